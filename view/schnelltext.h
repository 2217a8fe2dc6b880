// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCache>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QRawFont>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QRectF;

namespace view {

// Text that the search's views draw again and again, at every step of a
// run: each string drawn once, in its font and colours, on its ground, and
// kept as a picture, so that drawing it again copies pixels where laying
// out and blending glyphs cost a paced run more than all else it shows; a
// new string is set from the pictures of its words, which mostly came
// before, and a new word from its glyphs and their kerned advances, without
// the shaping of Qt's own layout, which cost twice as much as its pixels;
// of a long line the picture holds only as much as can be seen.
class Schnelltext
{
public:
    // `speicher`: how many bytes of pictures it keeps.
    explicit Schnelltext(int speicher = 4 << 20);

    // Draws `text` in the painter's font and pen on `grund`, in
    // `rechteck`, vertically centred, at its left, middle or right
    // (Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight); only what falls
    // within `sichtbar`, where that is given.
    void zeichne(QPainter &painter, const QRectF &rechteck, Qt::Alignment ausrichtung, const QString &text,
                 const QColor &grund, const QRectF &sichtbar = {});
    // The width `text` takes in the painter's font.
    qreal breite(const QPainter &painter, const QString &text);

private:
    // A line's picture, and the width of the whole line.
    struct Bild
    {
        QPixmap pixmap;
        qreal breite;
    };
    struct Art
    {
        QFont font;
        QRgb stift;
        QRgb grund;
        qreal dpr;
        // A space's width, the baseline and a line's height in the font.
        qreal leer;
        qreal oben;
        qreal hoehe;
        QRawFont roh;
        std::unique_ptr<QCache<QString, Bild>> bilder;
        // The words the lines are set from.
        std::unique_ptr<QCache<QString, Bild>> woerter;
    };
    static const Bild *wort(Art &art, const QString &wort);
    // The line's picture, at least `sichtbar` wide where the line is; the
    // first call only measures.
    const Bild &bild(const QPainter &painter, const QString &text, const QColor &grund, qreal sichtbar);

    int m_speicher;
    std::vector<Art> m_arten;
    // Widths asked for, in one font: laying a text out to measure it
    // costs nearly as much as drawing it.
    QHash<QString, qreal> m_breiten;
    QFont m_breitenSchrift;
};

} // namespace view
