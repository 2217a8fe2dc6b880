// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aussehen.h"

#include "damenregler.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QRegion>
#include <QStringList>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>

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

namespace {

// Drawn in fixed colours on a fixed base style, so that the thumb stands
// out from track and arrows and the focus shows, whatever the desktop's
// style and palette. The fills are opaque, too: Qt hands a gradient as tall
// as Fusion's track on the cover's slider to worker threads, and the
// window's start waited for them.
class ReglerStil : public QProxyStyle
{
public:
    ReglerStil()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        // A queen's slider is barely taller than its two arrows; shorter
        // arrows and a smaller least thumb keep the thumb visible and
        // draggable in its track.
        if (!qobject_cast<const DamenRegler *>(widget))
            return QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ScrollBarExtent:
            return 13;
        case PM_ScrollBarSliderMin:
            return 9;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control != CC_ScrollBar) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const auto teil = [&](SubControl sub) { return subControlRect(control, option, sub, widget); };
        const auto gedrueckt = [&](SubControl sub) {
            return (option->activeSubControls & sub) && (option->state & State_Sunken);
        };

        painter->save();
        painter->fillRect(option->rect, Rinne);
        zeichnePfeil(*painter, teil(SC_ScrollBarSubLine), -1, gedrueckt(SC_ScrollBarSubLine));
        zeichnePfeil(*painter, teil(SC_ScrollBarAddLine), +1, gedrueckt(SC_ScrollBarAddLine));
        painter->fillRect(teil(SC_ScrollBarSlider), gedrueckt(SC_ScrollBarSlider) ? DaumenGedrueckt : Daumen);
        if (option->state & State_HasFocus) {
            // Two pixels wide at scale 1, inside the slider's own colours:
            // the pen's middle runs one pixel inside the edge.
            painter->setPen(QPen(Fokus, 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }

private:
    static inline const QColor Rinne{232, 232, 232};
    static inline const QColor Knopf{196, 196, 196};
    static inline const QColor KnopfGedrueckt{160, 160, 160};
    static inline const QColor KnopfRand{112, 112, 112};
    static inline const QColor Pfeil{32, 32, 32};
    static inline const QColor Daumen{28, 28, 140};
    static inline const QColor DaumenGedrueckt{48, 48, 176};
    static inline const QColor Fokus{0, 0, 0};

    // An arrow button; richtung -1 points up, +1 down.
    static void zeichnePfeil(QPainter &painter, const QRect &knopf, int richtung, bool gedrueckt)
    {
        painter.fillRect(knopf, gedrueckt ? KnopfGedrueckt : Knopf);
        painter.setPen(KnopfRand);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(knopf).adjusted(0.5, 0.5, -0.5, -0.5));

        const QPointF mitte = QRectF(knopf).center();
        const qreal halb = std::min(knopf.width() / 4.0, knopf.height() / 2.5);
        const qreal spitze = richtung * halb * 0.6;
        const QPointF ecken[] = {{mitte.x() - halb, mitte.y() - spitze},
                                 {mitte.x() + halb, mitte.y() - spitze},
                                 {mitte.x(), mitte.y() + spitze}};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Pfeil);
        painter.drawPolygon(ecken, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
};

} // namespace

QStyle *reglerStil()
{
    static QPointer<QStyle> stil;
    if (!stil) {
        stil = new ReglerStil;
        stil->setParent(qApp);
    }
    return stil.data();
}

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

const Rahmen::Lage &Rahmen::lage(const QStyleOptionGroupBox &option)
{
    const Lage::Fuer fuer{size(), option.text, font(), style(), isCheckable(), option.textAlignment};
    if (fuer == m_lage.fuer)
        return m_lage;
    m_lage = Lage{fuer, {}, {}};
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
    m_lage.rahmen = rahmen;
    return m_lage;
}

void Rahmen::paintEvent(QPaintEvent *event)
{
    if (style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 || !fusionsBild()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect rahmen = lage(option).rahmen;
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

    // The title only where it is to be painted: laying it out is most of
    // what the box costs. Measured only for a part of the box.
    if (event->rect() != rect()) {
        if (!m_lage.beschriftung) {
            QRect beschriftung = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
            if (isCheckable())
                beschriftung |= style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, this);
            m_lage.beschriftung = beschriftung;
        }
        if (!event->region().intersects(*m_lage.beschriftung))
            return;
    }
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

Zeilen::Zeilen(int hoehe, QWidget *parent, bool umbrechen)
    : QWidget(parent)
    , m_hoehe(hoehe)
    , m_umbrechen(umbrechen)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // It lays its own ground, so that a change of its lines repaints it
    // alone, not the pane and window behind it as well.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Zeilen::setzeZeilen(const QStringList &zeilen)
{
    if (zeilen == m_zeilen)
        return;
    // Only the lines that changed, unless the text wraps.
    const int zeile = fontMetrics().lineSpacing();
    QRegion geaendert;
    for (qsizetype i = 0; i < std::max(zeilen.size(), m_zeilen.size()); ++i) {
        if (m_umbrechen || zeilen.value(i) != m_zeilen.value(i))
            geaendert += QRect(0, m_umbrechen ? 0 : int(i) * zeile, width(), m_umbrechen ? height() : zeile);
    }
    update(geaendert);
    m_zeilen = zeilen;
    // Empty lines are not read out as a trailing comma.
    QStringList gesagt = zeilen;
    gesagt.removeAll(QString());
    setAccessibleName(gesagt.join(QStringLiteral(", ")));
}

QSize Zeilen::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 20, fontMetrics().lineSpacing() * m_hoehe};
}

QSize Zeilen::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 4, fontMetrics().lineSpacing() * m_hoehe};
}

QStringList Zeilen::gesetzt(const QPainter &painter)
{
    if (!m_umbrechen)
        return m_zeilen;
    // Where Qt would wrap them, from the widths of the words: laying out a
    // changing line anew, as the totals are at every step, cost more than
    // all else the lines do.
    QStringList umbrochen;
    const qreal leer = m_text.breite(painter, QStringLiteral(" "));
    for (const QString &absatz : m_zeilen) {
        QString zeile;
        qreal breite = 0;
        bool erstes = true;
        for (const QString &wort : absatz.split(u' ')) {
            const qreal weite = m_text.breite(painter, wort);
            if (!erstes && breite + leer + weite > width()) {
                umbrochen << zeile;
                zeile = wort;
                breite = weite;
            } else {
                zeile += erstes ? wort : u' ' + wort;
                breite += erstes ? weite : leer + weite;
            }
            erstes = false;
        }
        umbrochen << zeile;
    }
    return umbrochen;
}

void Zeilen::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QColor grund = palette().color(backgroundRole());
    painter.fillRect(rect(), grund);
    painter.setPen(palette().color(QPalette::WindowText));
    const int zeile = fontMetrics().lineSpacing();
    const QStringList linien = gesetzt(painter);
    for (qsizetype i = 0; i < linien.size() && (m_umbrechen || i < m_hoehe); ++i) {
        const QRect band(0, int(i) * zeile, width(), zeile);
        if (event->region().intersects(band))
            m_text.zeichne(painter, band, Qt::AlignLeft, linien[i], grund, QRectF(rect()));
    }
}
