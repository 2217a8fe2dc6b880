// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <tuple>

// Colours as painted, and how well they stand apart.

inline double luminance(QColor colour)
{
    const auto channel = [](float c) { return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

// WCAG's contrast ratio, 1 to 21.
inline double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How many pixels of each colour a widget paints, and the commonest
// colour, its background.
inline std::pair<QHash<QRgb, int>, QRgb> paintedColours(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most)
            std::tie(background, most) = std::pair(it.key(), it.value());
    }
    return {counts, background};
}

// The contrast of a text field's text against its background as painted:
// the text is the background's strongest opposite.
inline double textContrast(QWidget *field)
{
    const auto [counts, background] = paintedColours(field);
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(background), QColor(it.key())));
    return best;
}

// The pixels of a mark in a board cell: coloured, where the board and its
// "X" are grey and black, and set off from the cell's own colour by 3:1.
inline int markPixels(QWidget *cell)
{
    const auto [counts, background] = paintedColours(cell);
    int pixels = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QColor colour(it.key());
        const int spread = std::max({colour.red(), colour.green(), colour.blue()})
                           - std::min({colour.red(), colour.green(), colour.blue()});
        if (spread > 60 && contrast(QColor(background), colour) >= 3)
            pixels += it.value();
    }
    return pixels;
}

inline QColor colourAt(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at * widget->devicePixelRatioF());
}

// The largest difference of one colour channel between two pictures.
inline int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                std::abs(p.blue() - q.blue())});
        }
    }
    return largest;
}

inline QPalette darkPalette()
{
    QPalette palette(QColor(53, 53, 53));
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    return palette;
}
