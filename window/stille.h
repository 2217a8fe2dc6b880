// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>

#include <functional>

class QWidget;

// Keeps a full run from flooding screen readers. During a run the board, the
// value boxes, the counters and the verdict change at every step, and at a
// pace every step is a frame of its own: told of each change, a screen
// reader falls minutes behind and drops what matters. While `still` holds,
// the updates of the window's own controls stay back; the announcer, the
// boxes and menus over the window and the control with the keyboard focus
// still speak. When it ends, the controls whose names changed meanwhile say
// so once, so that no screen reader keeps an old name.
class Stille
{
public:
    Stille(QWidget &fenster, std::function<bool()> still);
    ~Stille();

    Stille(const Stille &) = delete;
    Stille &operator=(const Stille &) = delete;

    void ende();

private:
    static void update(QAccessibleEvent *event);
    bool zurueckhalten(QAccessibleEvent *event);
    void weiter(QAccessibleEvent *event) const;

    QWidget &m_fenster;
    std::function<bool()> m_still;
    QAccessible::UpdateHandler m_vorher;
    Stille *m_frueher;
    QList<QPointer<QObject>> m_neueNamen;

    static inline Stille *s_aktuell = nullptr;
};
