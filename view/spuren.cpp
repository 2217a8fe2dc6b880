// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spuren.h"

#include "anzeige.h"
#include "feld.h"
#include "host.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// Darker than both squares by at least 3:1, so each mark tells at a glance.
const QColor Rot{170, 0, 0};
const QColor Gruen{0, 100, 0};
const QColor Blau{0, 0, 160};

void markiere(Spuren::Marken &marken, int spalte, int wert, Spuren::Marke marke)
{
    if (wert > 0)
        marken[static_cast<std::size_t>(board::zellIndex(spalte, wert))] |= marke;
}

void markiereAngreifer(Spuren::Marken &marken, const board::Feld &feld, std::uint8_t spalten)
{
    for (int k = 0; k < board::Feld::Spalten; ++k) {
        if (spalten & (1U << k))
            markiere(marken, k, feld.wert(k), Spuren::Bedroher);
    }
}

} // namespace

Spuren::Spuren(Anzeige &anzeige, const Zellen &txtFeld)
    : m_anzeige(anzeige)
    , m_txtFeld(txtFeld)
{
    for (QLineEdit *zelle : txtFeld) {
        if (zelle)
            zelle->installEventFilter(this);
    }
}

void Spuren::zeigeSchritt(const board::Schritt &schritt, const board::Feld &feld, int naechsteSpalte)
{
    Marken marken{};
    for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile) {
        markiere(marken, schritt.spalte, zeile, Spalte);
        if (schritt.abgelehnt(zeile))
            markiere(marken, schritt.spalte, zeile, Versuch);
    }
    markiere(marken, schritt.spalte, schritt.reihe, Gesetzt);
    if (const int letzte = schritt.letzteAbgelehnte())
        markiereAngreifer(marken, feld, schritt.bedroher[static_cast<std::size_t>(letzte - 1)]);
    for (int zeile = 1; naechsteSpalte >= 0 && zeile <= board::Feld::HoechsteReihe; ++zeile)
        markiere(marken, naechsteSpalte, zeile, Naechste);
    if (naechsteSpalte >= 0)
        markiere(marken, naechsteSpalte, board::Feld::HoechsteReihe, Pfeil);
    zeige(marken);
}

void Spuren::zeigeHandzug(const board::Feld &feld, int spalte)
{
    Marken marken{};
    const std::int16_t wert = feld.wert(spalte);
    markiere(marken, spalte, wert, Bedroht);
    if (wert > 0)
        markiereAngreifer(marken, feld, board::Angreifer(feld, wert, spalte));
    zeige(marken);
}

void Spuren::leeren()
{
    zeige(Marken{});
}

void Spuren::zeige(const Marken &marken)
{
    if (marken == m_soll)
        return;
    m_soll = marken;
    m_anzeige.aenderung(this, [this, marken] { anwenden(marken); });
}

void Spuren::anwenden(const Marken &marken)
{
    for (std::size_t index = 0; index < marken.size(); ++index) {
        if (marken[index] != m_gezeigt[index] && m_txtFeld[index])
            m_txtFeld[index]->update();
    }
    m_gezeigt = marken;
}

bool Spuren::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    const auto zelle = std::find(m_txtFeld.begin(), m_txtFeld.end(), watched);
    const std::uint8_t marken = zelle == m_txtFeld.end() ? 0 : m_gezeigt[std::size_t(zelle - m_txtFeld.begin())];
    if (marken == 0)
        return false;
    // The cell first, its marks over it.
    watched->event(event);
    QPainter painter(*zelle);
    zeichne(painter, QRectF((*zelle)->rect()), marken);
    return true;
}

void Spuren::zeichne(QPainter &painter, const QRectF &zelle, std::uint8_t marken)
{
    const qreal a = std::min(zelle.width(), zelle.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (marken & (Spalte | Naechste)) {
        // The column's outline: a bar down each side of its cells, dashed
        // for the column the next step works on, unless it is this one.
        const qreal breite = a * 0.06;
        QPen stift(Blau, breite, Qt::SolidLine, Qt::FlatCap);
        if (!(marken & Spalte))
            stift.setDashPattern({2.5, 1.5});
        painter.setPen(stift);
        const qreal links = zelle.left() + breite / 2;
        const qreal rechts = zelle.right() + 1 - breite / 2;
        painter.drawLine(QPointF(links, zelle.top()), QPointF(links, zelle.bottom() + 1));
        painter.drawLine(QPointF(rechts, zelle.top()), QPointF(rechts, zelle.bottom() + 1));
    }
    const QRectF innen = zelle.adjusted(a * 0.14, a * 0.14, -a * 0.14, -a * 0.14);
    if (marken & (Bedroher | Bedroht | Gesetzt)) {
        painter.setPen(QPen((marken & Gesetzt) ? Gruen : Rot, a * 0.07, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(innen);
    }
    painter.setPen(Qt::NoPen);
    if (marken & Bedroht) {
        // A flag in the corner beside the "X": this queen is attacked.
        const qreal seite = a * 0.24;
        const QPointF ecke = innen.topRight();
        const QPointF flagge[] = {ecke, ecke - QPointF(seite, 0), ecke + QPointF(0, seite)};
        painter.setBrush(Rot);
        painter.drawPolygon(flagge, 3);
    }
    if (marken & Pfeil) {
        // An arrow at the top of the column: the next step works here.
        const qreal x = zelle.center().x();
        const QPointF pfeil[] = {{x - a * 0.22, zelle.top() + a * 0.02},
                                 {x + a * 0.22, zelle.top() + a * 0.02},
                                 {x, zelle.top() + a * 0.2}};
        painter.setBrush(Blau);
        painter.drawPolygon(pfeil, 3);
    }
    if (marken & Versuch) {
        // "Tried and attacked": a circle struck through.
        const qreal radius = a * 0.3;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Rot, a * 0.075));
        painter.drawEllipse(zelle.center(), radius, radius);
        const qreal d = radius * M_SQRT1_2;
        painter.drawLine(zelle.center() + QPointF(-d, d), zelle.center() + QPointF(d, -d));
    }
    painter.restore();
}

} // namespace view
