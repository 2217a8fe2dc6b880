// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eingabesperre.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMetaProperty>
#include <QTimer>

namespace {

QMetaProperty nutzerwert(const QWidget &widget)
{
    return widget.metaObject()->userProperty();
}

} // namespace

// A press through accessibility is a click that fires 100 ms later, by a
// timer of the button's. One made under the box fires after it: for a
// little longer than that, a button's timer runs with its signals silenced.
class SpaeteKlicks : public QObject
{
public:
    explicit SpaeteKlicks(QWidget &fenster)
        : QObject(&fenster)
        , m_fenster(fenster)
    {
        m_ende.setSingleShot(true);
        connect(&m_ende, &QTimer::timeout, this, [this] { deleteLater(); });
    }

    void wachen()
    {
        for (QAbstractButton *knopf : m_fenster.findChildren<QAbstractButton *>())
            knopf->installEventFilter(this);
        m_ende.start(150);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Timer)
            return false;
        const QSignalBlocker stumm(watched);
        watched->event(event);
        return true;
    }

private:
    QWidget &m_fenster;
    QTimer m_ende;
};

Eingabesperre::Eingabesperre(QWidget &fenster)
    : m_fenster(&fenster)
    , m_fokus(fenster.focusWidget())
    , m_spaeteKlicks(new SpaeteKlicks(fenster))
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
    if (!m_fenster)
        return;
    if (m_spaeteKlicks)
        m_spaeteKlicks->wachen();
    if (m_fokus && m_fenster->focusWidget() != m_fokus)
        m_fokus->setFocus(Qt::OtherFocusReason);
    m_fenster->setUpdatesEnabled(true);
}
