// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansage.h"

#include <QEvent>

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
}

void Ansage::sage(const QString &text)
{
    m_wartend = m_wartend.isEmpty() ? text : m_wartend + QStringLiteral(", ") + text;
    if (window()->isActiveWindow())
        sagen();
    else
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
