// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stille.h"

#include <QApplication>
#include <QWidget>

#include <utility>

Stille::Stille(QWidget &fenster, std::function<bool()> still)
    : m_fenster(fenster)
    , m_still(std::move(still))
    , m_vorher(QAccessible::installUpdateHandler(&Stille::update))
    , m_frueher(s_aktuell)
{
    s_aktuell = this;
}

Stille::~Stille()
{
    s_aktuell = m_frueher;
    QAccessible::installUpdateHandler(m_vorher);
}

void Stille::ende()
{
    const QList<QPointer<QObject>> namen = std::exchange(m_neueNamen, {});
    for (const QPointer<QObject> &objekt : namen) {
        if (!objekt)
            continue;
        QAccessibleEvent geaendert(objekt.data(), QAccessible::NameChanged);
        weiter(&geaendert);
    }
}

void Stille::update(QAccessibleEvent *event)
{
    if (s_aktuell && !s_aktuell->zurueckhalten(event))
        s_aktuell->weiter(event);
}

bool Stille::zurueckhalten(QAccessibleEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(event->object());
    if (!widget || widget == &m_fenster || widget->window() != &m_fenster || !m_still())
        return false;
    // The announcer speaks by being shown, with its new name.
    const QAccessibleInterface *iface = event->accessibleInterface();
    if (widget == QApplication::focusWidget() || (iface && iface->role() == QAccessible::Notification))
        return false;
    if (event->type() == QAccessible::NameChanged && !m_neueNamen.contains(widget))
        m_neueNamen << widget;
    return true;
}

void Stille::weiter(QAccessibleEvent *event) const
{
    if (m_vorher) {
        m_vorher(event);
        return;
    }
    // Without a handler of its own, Qt hands the update to the platform's
    // bridge to assistive technology.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Stille::update);
}
