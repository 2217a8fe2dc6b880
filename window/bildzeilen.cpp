// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bildzeilen.h"

#include <QPainter>
#include <QPixmap>

Bildzeilen::Bildzeilen(QObject *parent, int einzug, int speicher)
    : QStyledItemDelegate(parent)
    , m_text(speicher)
    , m_einzug(einzug)
{
}

QStyleOptionViewItem Bildzeilen::ausModell(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    QStyleOptionViewItem o = option;
    o.text = index.data(Qt::DisplayRole).toString();
    if (const QVariant schrift = index.data(Qt::FontRole); schrift.isValid())
        o.font = qvariant_cast<QFont>(schrift).resolve(o.font);
    return o;
}

void Bildzeilen::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QStyleOptionViewItem o = ausModell(option, index);
    const bool gewaehlt = o.state & QStyle::State_Selected;
    if (gewaehlt)
        painter->fillRect(o.rect, o.palette.brush(QPalette::Highlight));
    int links = m_einzug;
    if (const QPixmap zeichen = index.data(Qt::DecorationRole).value<QPixmap>(); !zeichen.isNull()) {
        const int seite = qRound(zeichen.deviceIndependentSize().height());
        painter->drawPixmap(QRect(o.rect.left() + 2, o.rect.top() + (o.rect.height() - seite) / 2, seite, seite), zeichen);
        links = seite + 6;
    }
    painter->save();
    painter->setFont(o.font);
    const QVariant farbe = index.data(Qt::ForegroundRole);
    painter->setPen(gewaehlt ? o.palette.color(QPalette::HighlightedText)
                             : farbe.isValid() ? farbe.value<QColor>() : o.palette.color(QPalette::Text));
    m_text.zeichne(*painter, QRectF(o.rect).adjusted(links, 0, 0, 0), Qt::AlignLeft, o.text,
                   o.palette.color(gewaehlt ? QPalette::Highlight : QPalette::Base), QRectF(o.widget->rect()));
    painter->restore();
    if (o.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect fokus;
        fokus.QStyleOption::operator=(o);
        o.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, painter, o.widget);
    }
}

QSize Bildzeilen::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (option.font != m_groessenSchrift || m_groessen.size() > 1000) {
        m_groessen.clear();
        m_groessenSchrift = option.font;
    }
    // Rows with a sign or a font of their own: asked each time.
    if (index.data(Qt::DecorationRole).isValid() || index.data(Qt::FontRole).isValid())
        return QStyledItemDelegate::sizeHint(option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto gefunden = m_groessen.constFind(text);
    if (gefunden != m_groessen.cend())
        return *gefunden;
    const QSize groesse = QStyledItemDelegate::sizeHint(option, index);
    m_groessen.insert(text, groesse);
    return groesse;
}
