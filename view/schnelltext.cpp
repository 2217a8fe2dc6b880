// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schnelltext.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// Pictures of long lines grow in steps of this width.
constexpr qreal Stufe = 256;

qsizetype kosten(const QPixmap &bild)
{
    return qsizetype(bild.width()) * bild.height() * 4;
}

} // namespace

Schnelltext::Schnelltext(int speicher)
    : m_speicher(speicher)
{
}

const Schnelltext::Bild *Schnelltext::wort(Art &art, const QString &wort)
{
    if (const Bild *gefunden = art.woerter->object(wort))
        return gefunden;
    // The glyphs side by side, each where the kerned advances before it end.
    QList<quint32> glyphen = art.roh.glyphIndexesForString(wort);
    QList<QPointF> orte = art.roh.advancesForGlyphIndexes(glyphen, QRawFont::KernedAdvances);
    qreal weite = 0;
    for (QPointF &ort : orte) {
        const qreal vor = ort.x();
        ort = QPointF(weite, art.oben);
        weite += vor;
    }
    // A character the font lacks needs another font, which only Qt's own
    // layout finds: such a word is laid out as a whole.
    if (glyphen.isEmpty() || glyphen.contains(0)) {
        glyphen.clear();
        weite = QFontMetricsF(art.font).horizontalAdvance(wort);
    }
    auto *neu =
        new Bild{QPixmap(QSize(int(std::ceil((weite + 1) * art.dpr)), int(std::ceil(art.hoehe * art.dpr)))), weite};
    neu->pixmap.setDevicePixelRatio(art.dpr);
    neu->pixmap.fill(QColor::fromRgba(art.grund));
    QPainter maler(&neu->pixmap);
    maler.setPen(QColor::fromRgba(art.stift));
    if (glyphen.isEmpty()) {
        maler.setFont(art.font);
        maler.drawText(QPointF(0, art.oben), wort);
    } else {
        QGlyphRun lauf;
        lauf.setRawFont(art.roh);
        lauf.setGlyphIndexes(glyphen);
        lauf.setPositions(orte);
        maler.drawGlyphRun(QPointF(0, 0), lauf);
    }
    maler.end();
    art.woerter->insert(wort, neu, int(std::min<qsizetype>(kosten(neu->pixmap), art.woerter->maxCost())));
    return art.woerter->object(wort);
}

const Schnelltext::Bild &Schnelltext::bild(const QPainter &painter, const QString &text, const QColor &grund,
                                           qreal sichtbar)
{
    const QFont &font = painter.font();
    const QRgb stift = painter.pen().color().rgba();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRgb unter = grund.rgba();
    auto art = std::find_if(m_arten.begin(), m_arten.end(), [&](const Art &a) {
        return a.stift == stift && a.grund == unter && a.dpr == dpr && a.font == font;
    });
    if (art == m_arten.end()) {
        const QFontMetricsF metrik(font);
        art = m_arten.insert(m_arten.end(), Art{font, stift, unter, dpr, metrik.horizontalAdvance(u' '),
                                                metrik.ascent(), metrik.height(), QRawFont::fromFont(font),
                                                std::make_unique<QCache<QString, Bild>>(m_speicher),
                                                std::make_unique<QCache<QString, Bild>>(m_speicher / 4)});
    }
    Bild *gefunden = art->bilder->object(text);
    if (gefunden && gefunden->pixmap.width() >= int(std::ceil(std::min(gefunden->breite, sichtbar) * dpr)))
        return *gefunden;
    // A new line is set from the pictures of its words, most of which the
    // lines before had: laying out and blending glyphs is what costs. A
    // number is set from its digits, since each step brings new ones.
    const qreal leer = art->leer;
    std::vector<std::pair<Bild, qreal>> teile; // a picture and the room after it
    qreal ganz = 1;
    const auto setze = [&](QStringView teil) {
        const Bild *b = wort(*art, teil.toString());
        teile.emplace_back(b ? *b : Bild{QPixmap(), 0}, 0);
        ganz += teile.back().first.breite;
    };
    for (QStringView w : QStringView(text).split(u' ')) {
        // A comma, colon or question mark after a word is a picture of its
        // own, so that "e3", "e3," and "e3?" share the word's.
        qsizetype zeichen = w.size();
        while (zeichen > 1 && QStringView(u",:?").contains(w[zeichen - 1]))
            --zeichen;
        const QStringView danach = w.mid(zeichen);
        w.truncate(zeichen);
        const bool zahl = std::adjacent_find(w.begin(), w.end(), [](QChar a, QChar b) {
                              return a.isDigit() && b.isDigit();
                          }) != w.end();
        qsizetype anfang = 0;
        for (qsizetype i = 1; zahl && i < w.size(); ++i) {
            if (w[i].isDigit() || w[i - 1].isDigit()) {
                setze(w.mid(anfang, i - anfang));
                anfang = i;
            }
        }
        if (anfang < w.size())
            setze(w.mid(anfang));
        if (!danach.isEmpty())
            setze(danach);
        if (teile.empty())
            teile.emplace_back(Bild{QPixmap(), 0}, 0);
        teile.back().second += leer;
        ganz += leer;
    }
    ganz -= leer;
    // As wide as can be seen, in steps: the words beyond are left out.
    const qreal bis = std::min(ganz, std::ceil(std::min(ganz, sichtbar) / Stufe) * Stufe);
    auto *neu = new Bild{QPixmap(QSize(int(std::ceil(bis * dpr)), int(std::ceil(art->hoehe * dpr)))), ganz};
    neu->pixmap.setDevicePixelRatio(dpr);
    neu->pixmap.fill(grund);
    QPainter maler(&neu->pixmap);
    qreal x = 0;
    for (const auto &[teil, danach] : teile) {
        if (x >= bis)
            break;
        maler.drawPixmap(QPointF(std::round(x * dpr) / dpr, 0), teil.pixmap);
        x += teil.breite + danach;
    }
    maler.end();
    // Never more than the whole cache, which would drop the picture at once.
    art->bilder->insert(text, neu, int(std::min<qsizetype>(kosten(neu->pixmap), art->bilder->maxCost())));
    static const Bild keins{QPixmap(), 0};
    const Bild *drin = art->bilder->object(text);
    return drin ? *drin : keins;
}

qreal Schnelltext::breite(const QPainter &painter, const QString &text)
{
    if (painter.font() != m_breitenSchrift || m_breiten.size() > 1000) {
        m_breiten.clear();
        m_breitenSchrift = painter.font();
    }
    const auto gefunden = m_breiten.constFind(text);
    if (gefunden != m_breiten.cend())
        return *gefunden;
    return *m_breiten.insert(text, QFontMetricsF(painter.font()).horizontalAdvance(text));
}

void Schnelltext::zeichne(QPainter &painter, const QRectF &rechteck, Qt::Alignment ausrichtung, const QString &text,
                          const QColor &grund, const QRectF &sichtbar)
{
    if (text.isEmpty())
        return;
    // Left-aligned, as much as the visible part needs; centred or to the
    // right, the whole.
    const bool links = !(ausrichtung & (Qt::AlignHCenter | Qt::AlignRight));
    const qreal bisRechts = sichtbar.isValid() && links ? sichtbar.right() + 1 - rechteck.left() : 1e9;
    if (bisRechts <= 0)
        return;
    const Bild &b = bild(painter, text, grund, bisRechts);
    const qreal dpr = b.pixmap.devicePixelRatio();
    const QSizeF groesse = b.pixmap.size() / dpr;
    qreal x = rechteck.left();
    if (ausrichtung & Qt::AlignHCenter)
        x += (rechteck.width() - groesse.width()) / 2;
    else if (ausrichtung & Qt::AlignRight)
        x += rechteck.width() - groesse.width();
    const qreal y = std::round(rechteck.top() + (rechteck.height() - groesse.height()) / 2);
    const qreal sichtbareBreite = std::min(groesse.width(), bisRechts);
    painter.drawPixmap(QRectF(std::round(x), y, sichtbareBreite, groesse.height()), b.pixmap,
                       QRectF(0, 0, sichtbareBreite * dpr, b.pixmap.height()));
}

} // namespace view
