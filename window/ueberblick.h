// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ansage.h"
#include "tempo.h"

#include <QWidget>

#include <array>
#include <cstdint>

class Ablaufansicht;
class Protokollansicht;
class QSplitter;
class Suchbaumansicht;
class Vorhersagen;

namespace view {
class Anzeige;
class Suchverlauf;
}

// "Suche im Überblick": a window beside the main one with the panes
// "Suchbaum", "Ablauf" and "Suchprotokoll", and above them, while
// predictions are practised, "Vorhersage"; each shown on demand and made
// when first shown; the window shows while any of them does, and leaves
// the keyboard in the main window as it opens. Esc closes
// the pane with the keyboard, closing the window closes them all. The
// first time it opens beside the main window where the screen has room,
// moves the main window aside where that makes room, and otherwise opens
// over the backtracker's panel, never over the board; it keeps its place,
// size and splitters for the session. While a run goes on it tells screen
// readers nothing new.
class Ueberblick : public QWidget
{
    Q_OBJECT

public:
    enum class Teil { Suchbaum, Ablauf, Protokoll, Vorhersage };
    // Those the menu shows and hides by name.
    static constexpr std::array<Teil, 3> Teile{Teil::Suchbaum, Teil::Ablauf, Teil::Protokoll};
    static constexpr std::array<Teil, 4> AlleTeile{Teil::Suchbaum, Teil::Ablauf, Teil::Protokoll, Teil::Vorhersage};
    static QString name(Teil teil);

    // `brett`: what the window must not cover.
    Ueberblick(const view::Suchverlauf &verlauf, view::Anzeige &anzeige, Vorhersagen &vorhersagen,
               QWidget &hauptfenster, const QWidget &brett);

    void zeige(Teil teil, bool an);
    bool zeigt(Teil teil) const;
    void setzeLauf(bool laeuft);
    void setzeTempo(Tempo::Stufe stufe);
    // A word under the protocol's lines.
    void melde(const QString &text);

signals:
    // A pane was closed here, not from the menu.
    void geschlossen(Ueberblick::Teil teil);
    void geheZu(std::int64_t schritt);
    void zurueckZu(std::uint64_t id);
    void abgelehnt(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *teil(Teil teil);
    // Beside the main window; once placed, it keeps the size it was given.
    void platzieren(bool groesseBehalten);
    // Shares the window's height among the panes shown.
    void verteilen();

    const view::Suchverlauf &m_verlauf;
    view::Anzeige &m_anzeige;
    Vorhersagen &m_vorhersagen;
    QWidget &m_hauptfenster;
    const QWidget &m_brett;
    QSplitter *m_teilung = nullptr;
    std::array<QWidget *, 4> m_teile{};
    Suchbaumansicht *m_baum = nullptr;
    Ablaufansicht *m_ablauf = nullptr;
    Protokollansicht *m_protokoll = nullptr;
    bool m_laeuft = false;
    Tempo::Stufe m_tempo = Tempo::Stufe::Sofort;
    bool m_platziert = false;
    // A pane was made since the height was last shared.
    bool m_neu = false;
    Stille m_stille{*this, [this] { return m_laeuft; }};
};
