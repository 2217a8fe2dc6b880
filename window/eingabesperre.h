// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <vector>

class SpaeteKlicks;

// Keeps a window from taking input for as long as it lives: while a message
// box is open over it. Qt's modality holds back the mouse and the keyboard,
// but not what assistive technology does through the accessibility
// interfaces (a button's press, a slider's value, a field's text), which
// call the controls directly. So the lock silences every control of the
// window, whatever its kind, so that no handler hears of such an action,
// and when it is lifted it puts back what the action changed, each
// control's user value (Qt's user property: a slider's value, a field's
// text, a check box's state) and where the keyboard focus was. The window
// is not repainted meanwhile, so none of it ever shows.
class Eingabesperre
{
public:
    explicit Eingabesperre(QWidget &fenster);
    ~Eingabesperre();

    Eingabesperre(const Eingabesperre &) = delete;
    Eingabesperre &operator=(const Eingabesperre &) = delete;

private:
    struct Gesperrt
    {
        QPointer<QWidget> widget;
        bool warStumm;
        QVariant wert;
    };

    QPointer<QWidget> m_fenster;
    QPointer<QWidget> m_fokus;
    QPointer<SpaeteKlicks> m_spaeteKlicks;
    std::vector<Gesperrt> m_gesperrt;
};
