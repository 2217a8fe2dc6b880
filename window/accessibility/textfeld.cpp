// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfeld.h"

#include <QStyle>
#include <QStyleOptionFrame>

QRect Textfeld::zeichenRechteck(int offset) const
{
    const QString zeichen = text().mid(offset, 1);
    if (offset < 0 || zeichen.isEmpty())
        return {};
    // The line as QLineEdit lays it out: the style's contents, less the
    // margins, two pixels in from each side, the text aligned within it.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect zeile =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);
    const QFontMetrics metrik = fontMetrics();
    const int breite = metrik.horizontalAdvance(text());
    int links = zeile.left();
    if (alignment() & Qt::AlignHCenter)
        links += (zeile.width() - breite) / 2;
    else if (alignment() & Qt::AlignRight)
        links = zeile.right() + 1 - breite;
    return QRect(links + metrik.horizontalAdvance(text().left(offset)), zeile.top() + (zeile.height() - metrik.height()) / 2,
                 metrik.horizontalAdvance(zeichen), metrik.height());
}
