// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <cstdint>

class QLabel;
class QListView;

namespace view {
class Suchprotokoll;
class Suchverlauf;
}

// "Suchprotokoll": a window beside the program's with a legend of the
// board's marks, the protocol of the search, the newest line at the bottom
// and kept in view, and its totals. Activating a line asks to go back to
// the end of its step; Ctrl+C copies the selected lines, the context menu
// all of them; Esc closes it. Closed, it keeps its place and size for when
// it opens again. Made when first opened, it reads what came before from
// the record.
class SuchprotokollFenster : public QWidget
{
    Q_OBJECT

public:
    // `brett`: what the window must not cover when it opens.
    SuchprotokollFenster(const view::Suchverlauf &verlauf, QWidget &hauptfenster, const QWidget &brett);

    // Beside the main window, never over the board, the first time.
    void zeigen();
    void setzeTempo(const QString &tempo);
    // A word under the lines, until the board or the search changes.
    void melde(const QString &text);

signals:
    // The user activated the line of the record's entry `id`.
    void zurueckZu(std::uint64_t id);
    void geschlossen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void kopieren(bool alles);
    void zeigeSummen();

    const view::Suchverlauf &m_verlauf;
    view::Suchprotokoll *m_protokoll;
    QWidget &m_hauptfenster;
    const QWidget &m_brett;
    QListView *m_liste = nullptr;
    QLabel *m_summen = nullptr;
    QLabel *m_meldung = nullptr;
    QString m_tempo;
    bool m_platziert = false;
};
