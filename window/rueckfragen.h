// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QMessageBox;
class QWidget;

// The search's two boxes over the window: "weitersuchen?" at a solution and
// "fertig" at the end. While one is open the window takes no input from any
// source and holds still; closing the window rejects the box.
class Rueckfragen : public QObject
{
    Q_OBJECT

public:
    // `ueber`: the panel the question opens over, beside the board.
    Rueckfragen(QWidget &fenster, const QWidget &ueber);

    // "weitersuchen?" under "hurra!": true only for Ja; Escape and closing
    // the box count as Nein.
    bool weitersuchen();
    // "fertig" under the program's title.
    void fertig();
    // Rejects the box that is open, if any.
    void schliessen();

    static const QString Titel;

signals:
    // A box is about to open: the window shows where the search stands.
    void oeffnet();

private:
    void nebenDasBrett(QMessageBox &box) const;
    int zeige(QMessageBox &box);

    QWidget &m_fenster;
    const QWidget &m_ueber;
    QPointer<QMessageBox> m_offen;
};
