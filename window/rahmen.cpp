// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rahmen.h"

#include <QFile>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>

namespace {

// Fusion's picture, laid on the window: a grey line of opacity 50/255 with
// rounded corners around a black tint of 3/255, 7/255 along the line's
// inside. Mixed here with the window's colour, so every fill is opaque.
struct Deckung
{
    int grau;
    int alpha;
};

constexpr Deckung Linie{117, 50};
constexpr Deckung Innenkante{0, 7};
constexpr Deckung Innen{0, 3};
// The upper left corner, row by row; the others mirror it.
constexpr Deckung Ecke[3][3] = {{{39, 13}, {93, 52}, {108, 52}},
                                {{98, 57}, {90, 31}, {0, 10}},
                                {{108, 52}, {0, 9}, {0, 3}}};

QColor gemischt(const QColor &grund, Deckung deckung)
{
    const auto mix = [&](int g) { return (g * (255 - deckung.alpha) + deckung.grau * deckung.alpha + 127) / 255; };
    return QColor(mix(grund.red()), mix(grund.green()), mix(grund.blue()));
}

// The space Qt 6.4's Fusion leaves above the frame, under the title.
constexpr int TitelAbstand = 3;

// Whether the running Qt's Fusion draws its group box from the picture
// copied here. Looking it up reads nothing.
bool fusionsBild()
{
    static const bool da =
        QFile::exists(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    return da;
}

} // namespace

void Rahmen::paintEvent(QPaintEvent *event)
{
    if (style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 || !fusionsBild()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);

    // Where Fusion lays its picture: Qt 6.4's names the whole box as the
    // frame, even under a title, and lays it below the title itself; later
    // ones name the frame's own rectangle.
    QStyleOptionGroupBox betitelt = option;
    betitelt.text = QStringLiteral("X");
    QRect rahmen = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    if (style()->subControlRect(QStyle::CC_GroupBox, &betitelt, QStyle::SC_GroupBoxFrame, this).top() ==
        option.rect.top()) {
        int oben = TitelAbstand;
        if (isCheckable() || !title().isEmpty())
            oben += std::max(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                             option.fontMetrics.height());
        rahmen.setTop(rahmen.top() + oben);
    }
    rahmen.adjust(1, 1, 0, 0);
    const QColor grund = option.palette.window().color();
    const auto fuelle = [&](const QRect &flaeche, Deckung deckung) {
        painter.fillRect(flaeche, gemischt(grund, deckung));
    };
    fuelle(rahmen.adjusted(2, 2, -2, -2), Innen);
    // The straight part of an outline `einzug` pixels inside the frame's
    // edge: the corner pieces cover three pixels from each corner.
    const auto umriss = [&](int einzug, Deckung deckung) {
        const QRect r = rahmen.adjusted(einzug, einzug, -einzug, -einzug);
        const int ab = 3 - einzug;
        fuelle(QRect(QPoint(r.left() + ab, r.top()), QPoint(r.right() - ab, r.top())), deckung);
        fuelle(QRect(QPoint(r.left() + ab, r.bottom()), QPoint(r.right() - ab, r.bottom())), deckung);
        fuelle(QRect(QPoint(r.left(), r.top() + ab), QPoint(r.left(), r.bottom() - ab)), deckung);
        fuelle(QRect(QPoint(r.right(), r.top() + ab), QPoint(r.right(), r.bottom() - ab)), deckung);
    };
    umriss(0, Linie);
    umriss(1, Innenkante);
    for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 3; ++dx) {
            for (const QPoint punkt : {QPoint(rahmen.left() + dx, rahmen.top() + dy),
                                       QPoint(rahmen.right() - dx, rahmen.top() + dy),
                                       QPoint(rahmen.left() + dx, rahmen.bottom() - dy),
                                       QPoint(rahmen.right() - dx, rahmen.bottom() - dy)})
                fuelle(QRect(punkt, QSize(1, 1)), Ecke[dy][dx]);
        }
    }

    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
