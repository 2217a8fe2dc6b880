// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eingabesperre.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCoreApplication>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QWindow>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <utility>

namespace {

QMetaProperty nutzerwert(const QWidget &widget)
{
    return widget.metaObject()->userProperty();
}

// The window and its controls, without the box over it, which stays live.
QList<QWidget *> eigeneWidgets(QWidget &fenster)
{
    QList<QWidget *> widgets{&fenster};
    for (QWidget *widget : fenster.findChildren<QWidget *>()) {
        if (widget->window() == &fenster)
            widgets << widget;
    }
    return widgets;
}

// A button that is down, and any slider: one that nothing presses ignores
// a release, and one held on an arrow or in its track does not say so.
bool vielleichtGedrueckt(const QWidget &widget)
{
    if (const auto *knopf = qobject_cast<const QAbstractButton *>(&widget))
        return knopf->isDown();
    return qobject_cast<const QAbstractSlider *>(&widget) != nullptr;
}

// A press through accessibility clicks a tenth of a second after it is
// made, by a timer of the button's. One under way as a box opens ends with
// it: the click, whether it falls under the box or, with the box answered
// at once, after it, runs silenced and changes nothing.
class VerworfenerKlick : public QObject
{
public:
    explicit VerworfenerKlick(QAbstractButton &knopf)
        : QObject(&knopf)
        , m_knopf(knopf)
    {
        knopf.installEventFilter(this);
        m_frist.setSingleShot(true);
        connect(&m_frist, &QTimer::timeout, this, &QObject::deleteLater);
        m_frist.start(150);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Timer)
            return false;
        const bool war = m_knopf.isChecked();
        const QSignalBlocker stumm(m_knopf);
        static_cast<QObject &>(m_knopf).event(event);
        m_knopf.setChecked(war);
        deleteLater();
        return true;
    }

private:
    QAbstractButton &m_knopf;
    QTimer m_frist;
};

} // namespace

// The release that will go to the box instead: outside the control, so
// that a button ends its press without a click and a slider its drag or
// auto-repeat where it stands.
void loslassen(QWidget &widget)
{
    const QPointF aussen(-1, -1);
    QMouseEvent los(QEvent::MouseButtonRelease, aussen, widget.mapToGlobal(aussen), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &los);
}

bool EinmalKnopf::eventFilter(QObject *, QEvent *event)
{
    // Presses as the window receives them, before any control does.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *maus = static_cast<QMouseEvent *>(event);
        if (window()->childAt(window()->mapFromGlobal(maus->globalPosition().toPoint())) != this)
            m_letzterDruck = false;
    }
    return false;
}

void EinmalKnopf::showEvent(QShowEvent *event)
{
    if (QWindow *fenster = window()->windowHandle(); fenster && !std::exchange(m_beobachtet, true))
        fenster->installEventFilter(this);
    QPushButton::showEvent(event);
}

void EinmalKnopf::mousePressEvent(QMouseEvent *event)
{
    m_zweiterKlick = false;
    m_letzterDruck = true;
    QPushButton::mousePressEvent(event);
}

void EinmalKnopf::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool zweiter = m_letzterDruck;
    QPushButton::mouseDoubleClickEvent(event);
    m_zweiterKlick = zweiter;
}

void EinmalKnopf::mouseReleaseEvent(QMouseEvent *event)
{
    if (std::exchange(m_zweiterKlick, false))
        loslassen(*this);
    else
        QPushButton::mouseReleaseEvent(event);
}

// Paints each widget of the window, whenever it is exposed, from a picture
// of the window taken as the lock began.
class Standbild : public QObject
{
public:
    Standbild(QWidget &fenster, const QList<QWidget *> &widgets)
        : m_fenster(fenster)
        , m_bild(fenster.grab())
    {
        for (QWidget *widget : widgets)
            widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        const qreal dpr = m_bild.devicePixelRatio();
        const QRectF quelle(QPointF(widget->mapTo(&m_fenster, QPoint())) * dpr, QSizeF(widget->size()) * dpr);
        QPainter painter(widget);
        painter.drawPixmap(QRectF(widget->rect()), m_bild, quelle);
        return true;
    }

private:
    QWidget &m_fenster;
    QPixmap m_bild;
};

Eingabesperre::Eingabesperre(QWidget &fenster)
    : m_fenster(&fenster)
    , m_fokus(fenster.focusWidget())
{
    const QList<QWidget *> widgets = eigeneWidgets(fenster);
    for (QWidget *widget : widgets) {
        if (auto *knopf = qobject_cast<QAbstractButton *>(widget); knopf && knopf->isDown())
            new VerworfenerKlick(*knopf);
        if (vielleichtGedrueckt(*widget))
            loslassen(*widget);
    }
    m_standbild = std::make_unique<Standbild>(fenster, widgets);
    for (QWidget *widget : widgets) {
        const QMetaProperty wert = nutzerwert(*widget);
        m_gesperrt.push_back({widget, widget->blockSignals(true), widget->testAttribute(Qt::WA_ForceDisabled),
                              wert.isReadable() ? wert.read(widget) : QVariant()});
        if (qobject_cast<QAbstractButton *>(widget))
            widget->setEnabled(false);
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
        if (qobject_cast<QAbstractButton *>(widget))
            widget->setEnabled(!gesperrt.warAus);
        widget->blockSignals(gesperrt.warStumm);
    }
    if (!m_fenster)
        return;
    if (m_fokus && m_fenster->focusWidget() != m_fokus)
        m_fokus->setFocus(Qt::OtherFocusReason);
    m_standbild.reset();
    m_fenster->update();
}
