// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cachedgroupbox.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

CachedGroupBox::CachedGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
    // The cache is drawn on the window's own background, so nothing
    // behind the box needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CachedGroupBox::paintEvent(QPaintEvent *)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    // Everything the style draws from, so any change renders anew.
    const QString key = QStringLiteral("%1 %2x%3 %4 %5 %6 %7 %8")
                            .arg(static_cast<int>(option.state))
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(palette().cacheKey())
                            .arg(font().key(), option.text)
                            .arg(reinterpret_cast<quintptr>(style()));
    if (key != m_cacheKey) {
        m_cache = QPixmap(size() * ratio);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(palette().window().color());
        // What QGroupBox paints, with a painter set up as for the widget.
        QPainter painter(&m_cache);
        painter.setFont(font());
        painter.setPen(QPen(palette().brush(foregroundRole()), 1));
        painter.setBackground(palette().brush(backgroundRole()));
        painter.setLayoutDirection(layoutDirection());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        m_cacheKey = key;
    }
    QPainter(this).drawPixmap(0, 0, m_cache);
}
