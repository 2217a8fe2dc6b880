// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schriften.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QToolTip>

namespace {

// Decided once: a face that is missing would cost Qt a search through all
// fonts at each size the window uses.
QString schriftart(const QString &klassisch, const QString &frei)
{
    static const QStringList installiert = QFontDatabase::families();
    return installiert.contains(klassisch, Qt::CaseInsensitive) ? klassisch : frei;
}

QFont schrift(const QString &familie, qreal punkte)
{
    QFont font(familie);
    font.setPointSizeF(punkte);
    return font;
}

} // namespace

QFont sansSerif(qreal punkte)
{
    static const QString familie = schriftart(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    return schrift(familie, punkte);
}

QFont serif(qreal punkte)
{
    static const QString familie = schriftart(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    return schrift(familie, punkte);
}

QFont standardSchrift()
{
    return sansSerif(12);
}

QString tooltip(const QString &text)
{
    const QFontMetrics metrik(QToolTip::font());
    QStringList zeilen{QString()};
    for (const QString &wort : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString laenger = zeilen.last().isEmpty() ? wort : zeilen.last() + u' ' + wort;
        if (!zeilen.last().isEmpty() && metrik.horizontalAdvance(laenger) > 380)
            zeilen << wort;
        else
            zeilen.last() = laenger;
    }
    return zeilen.join(u'\n');
}
