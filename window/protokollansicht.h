// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class QListView;
class Zeilen;

namespace view {
class Suchprotokoll;
class Suchverlauf;
}

// "Suchprotokoll": a legend of the board's marks, the protocol of the
// search, the newest line at the bottom and kept in view, and its totals.
// Activating a line asks to go back to the end of its step; Ctrl+C copies
// the selected lines, the context menu all of them. Made when first
// shown, it reads what came before from the record; hidden, the list is
// detached from the lines and tells screen readers nothing.
class Protokollansicht : public QWidget
{
    Q_OBJECT

public:
    explicit Protokollansicht(const view::Suchverlauf &verlauf, QWidget *parent = nullptr);

    // The keyboard on the newest line.
    void zumNeuesten();
    void setzeTempo(const QString &tempo);
    // A word under the lines, until the board or the search changes, and
    // at least two seconds.
    void melde(const QString &text);

signals:
    // The user activated the line of the record's entry `id`.
    void zurueckZu(std::uint64_t id);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void kopieren(bool alles);
    void zeigeSummen();

    const view::Suchverlauf &m_verlauf;
    view::Suchprotokoll *m_protokoll;
    QListView *m_liste = nullptr;
    Zeilen *m_summen = nullptr;
    Zeilen *m_meldung = nullptr;
    QString m_tempo;
    QElapsedTimer m_gemeldet;
    QTimer m_vergessen;
};
