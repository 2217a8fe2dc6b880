// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansage.h"

#include "stellung.h"
#include "suchverlauf.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <utility>

Ansage::Ansage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Ansage"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
    window()->installEventFilter(this);
    m_spaetestens.setSingleShot(true);
    connect(&m_spaetestens, &QTimer::timeout, this, &Ansage::sagen);
    s_alle.push_back(this);
}

Ansage::~Ansage()
{
    s_alle.erase(std::find(s_alle.begin(), s_alle.end(), this));
}

void Ansage::sage(const QString &text)
{
    if (!window()->isActiveWindow()) {
        const auto aktiv = std::find_if(s_alle.begin(), s_alle.end(), [](const Ansage *ansage) {
            return ansage->window()->isActiveWindow();
        });
        if (aktiv != s_alle.end()) {
            (*aktiv)->sage(text);
            return;
        }
    }
    // A message said again while waiting is said once.
    if (!m_wartend.endsWith(text))
        m_wartend = m_wartend.isEmpty() ? text : m_wartend + QStringLiteral(", ") + text;
    // At once while a window of the program is active, no box of it open:
    // the panes beside the main window speak through it too.
    if (window()->isActiveWindow() || (QApplication::activeWindow() && !QApplication::activeModalWidget()))
        sagen();
    else if (!m_spaetestens.isActive())
        m_spaetestens.start(500);
}

bool Ansage::eventFilter(QObject *watched, QEvent *event)
{
    // After what the window's activation tells screen readers.
    if (event->type() == QEvent::WindowActivate && !m_wartend.isEmpty())
        m_spaetestens.start(0);
    return QWidget::eventFilter(watched, event);
}

void Ansage::sagen()
{
    m_spaetestens.stop();
    if (m_wartend.isEmpty())
        return;
    // Shown anew for every message: showing is what is presented.
    hide();
    setAccessibleName(std::exchange(m_wartend, {}));
    show();
    emit gesagt(accessibleName());
}

void Ansage::erzaehle(const view::Suchverlauf &verlauf, std::function<bool()> laeuftWeiter,
                      std::function<bool()> versuche)
{
    using Eintrag = view::Suchverlauf::Eintrag;
    connect(&verlauf, &view::Suchverlauf::schrittBeendet, this,
            [this, laeuftWeiter = std::move(laeuftWeiter), versuche = std::move(versuche)](const Eintrag &e) {
        // A full run would flood them, and says only what was asked.
        if (!laeuftWeiter())
            sage(view::schrittGesagt(e.schritt, e.brett, versuche()));
        else if (e.schritt.frage != board::Schritt::Frage::Keine)
            sage(view::loesungGesagt(e.schritt, e.brett));
    });
    connect(&verlauf, &view::Suchverlauf::angefuegt, this, [this](const Eintrag &e) {
        if (e.art == Eintrag::Art::Handzug)
            sage(view::handzugGesagt(e.brett, e.spalte));
    });
}

namespace {

bool gehoertZurFlut(QAccessible::Event art)
{
    switch (art) {
    case QAccessible::NameChanged:
    case QAccessible::ValueChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        return true;
    default:
        return false;
    }
}

QString textVon(QObject *objekt)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(objekt);
    QAccessibleTextInterface *text = iface ? iface->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QString();
}

// The text before the change that `event` tells of; the control holds the
// new one already.
std::optional<QString> textDavor(QAccessibleEvent *event)
{
    QString jetzt = textVon(event->object());
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto *e = static_cast<QAccessibleTextInsertEvent *>(event);
        return jetzt.remove(e->changePosition(), e->textInserted().size());
    }
    case QAccessible::TextRemoved: {
        const auto *e = static_cast<QAccessibleTextRemoveEvent *>(event);
        return jetzt.insert(e->changePosition(), e->textRemoved());
    }
    case QAccessible::TextUpdated: {
        const auto *e = static_cast<QAccessibleTextUpdateEvent *>(event);
        return jetzt.replace(e->changePosition(), e->textInserted().size(), e->textRemoved());
    }
    default:
        return std::nullopt;
    }
}

} // namespace

Stille::Stille(QWidget &fenster, std::function<bool()> still)
    : m_fenster(fenster)
    , m_still(std::move(still))
{
    if (s_alle.empty())
        s_vorher = QAccessible::installUpdateHandler(&Stille::update);
    s_alle.push_back(this);
}

Stille::~Stille()
{
    s_alle.erase(std::find(s_alle.begin(), s_alle.end(), this));
    if (s_alle.empty())
        QAccessible::installUpdateHandler(s_vorher);
}

void Stille::ende()
{
    for (const Zurueckgehalten &was : std::exchange(m_zurueckgehalten, {}))
        nachholen(was);
}

void Stille::update(QAccessibleEvent *event)
{
    if (std::none_of(s_alle.begin(), s_alle.end(), [event](Stille *stille) { return stille->zurueckhalten(event); }))
        weiter(event);
}

bool Stille::zurueckhalten(QAccessibleEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(event->object());
    if (!widget || widget == &m_fenster || widget->window() != &m_fenster)
        return false;
    if (event->type() == QAccessible::Focus) {
        const auto gehalten = std::find_if(m_zurueckgehalten.begin(), m_zurueckgehalten.end(),
                                           [widget](const Zurueckgehalten &was) { return was.objekt == widget; });
        if (gehalten != m_zurueckgehalten.end()) {
            const Zurueckgehalten was = *gehalten;
            m_zurueckgehalten.erase(gehalten);
            nachholen(was);
        }
        return false;
    }
    if (!gehoertZurFlut(event->type()) || !m_still() || widget == QApplication::focusWidget())
        return false;
    // The announcer speaks by being shown, with its new name.
    const QAccessibleInterface *iface = event->accessibleInterface();
    if (iface && iface->role() == QAccessible::Notification)
        return false;
    vormerken(event);
    return true;
}

void Stille::vormerken(QAccessibleEvent *event)
{
    QObject *objekt = event->object();
    auto was = std::find_if(m_zurueckgehalten.begin(), m_zurueckgehalten.end(),
                            [objekt](const Zurueckgehalten &w) { return w.objekt == objekt; });
    if (was == m_zurueckgehalten.end())
        was = m_zurueckgehalten.insert(m_zurueckgehalten.end(), Zurueckgehalten{objekt, false, false, std::nullopt});
    if (event->type() == QAccessible::NameChanged)
        was->name = true;
    else if (event->type() == QAccessible::ValueChanged)
        was->wert = true;
    else if (!was->text)
        was->text = textDavor(event);
}

void Stille::nachholen(const Zurueckgehalten &was)
{
    QObject *objekt = was.objekt;
    if (!objekt)
        return;
    if (was.name) {
        QAccessibleEvent geaendert(objekt, QAccessible::NameChanged);
        weiter(&geaendert);
    }
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(objekt);
    if (was.wert && iface && iface->valueInterface()) {
        QAccessibleValueChangeEvent geaendert(objekt, iface->valueInterface()->currentValue());
        weiter(&geaendert);
    }
    if (!was.text)
        return;
    const QString &davor = *was.text;
    const QString jetzt = textVon(objekt);
    if (jetzt == davor)
        return;
    if (davor.isEmpty()) {
        QAccessibleTextInsertEvent geaendert(objekt, 0, jetzt);
        weiter(&geaendert);
    } else if (jetzt.isEmpty()) {
        QAccessibleTextRemoveEvent geaendert(objekt, 0, davor);
        weiter(&geaendert);
    } else {
        QAccessibleTextUpdateEvent geaendert(objekt, 0, davor, jetzt);
        weiter(&geaendert);
    }
}

void Stille::weiter(QAccessibleEvent *event)
{
    if (s_vorher) {
        s_vorher(event);
        return;
    }
    // Without a handler of its own, Qt hands the update to the platform's
    // bridge to assistive technology.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Stille::update);
}
