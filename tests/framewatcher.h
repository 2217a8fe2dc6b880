// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Calls back whenever the watched window is about to repaint.
class FrameWatcher : public QObject
{
public:
    explicit FrameWatcher(std::function<void()> onFrame)
        : m_onFrame(std::move(onFrame))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            m_onFrame();
        return false;
    }

private:
    std::function<void()> m_onFrame;
};
