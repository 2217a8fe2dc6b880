// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eingabesperre.h"

#include <QMetaProperty>

namespace {

QMetaProperty nutzerwert(const QWidget &widget)
{
    return widget.metaObject()->userProperty();
}

} // namespace

Eingabesperre::Eingabesperre(QWidget &fenster)
    : m_fenster(&fenster)
{
    fenster.setUpdatesEnabled(false);
    for (QWidget *widget : fenster.findChildren<QWidget *>()) {
        // The box over the window, and its buttons, stay live.
        if (widget->window() != &fenster)
            continue;
        const QMetaProperty wert = nutzerwert(*widget);
        m_gesperrt.push_back({widget, widget->blockSignals(true), wert.isReadable() ? wert.read(widget) : QVariant()});
    }
}

Eingabesperre::~Eingabesperre()
{
    for (const Gesperrt &gesperrt : m_gesperrt) {
        QWidget *widget = gesperrt.widget;
        if (!widget)
            continue;
        // Still silenced: no handler hears of the value put back either.
        const QMetaProperty wert = nutzerwert(*widget);
        if (wert.isWritable() && wert.read(widget) != gesperrt.wert)
            wert.write(widget, gesperrt.wert);
        widget->blockSignals(gesperrt.warStumm);
    }
    if (m_fenster)
        m_fenster->setUpdatesEnabled(true);
}
