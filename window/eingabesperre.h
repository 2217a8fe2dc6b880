// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

#include <memory>
#include <vector>

class Standbild;

// Ends a press on a control without a click, as a release outside it: the
// release that went to a box, or that the window takes for itself.
void loslassen(QWidget &widget);

// A push button whose double click, as many people give any button, counts
// as one click: the release that ends it lets go without a click. Only a
// double click whose first click was on this button: the window takes a
// click near it, just before, for the first of a pair too.
class EinmalKnopf : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_zweiterKlick = false;
    // The window's last press was on this button.
    bool m_letzterDruck = false;
    bool m_beobachtet = false;
};

// Keeps a window from taking input for as long as it lives: while a message
// box is open over it. Qt's modality holds back the mouse and the keyboard,
// but not what assistive technology does through the accessibility
// interfaces (a button's press, a slider's value, a field's text), which
// call the controls directly. So the lock
// - ends whatever press, drag or auto-repeat was going on in the window,
//   since its release will go to the box;
// - turns the buttons off, so that a press on one is refused at once
//   instead of firing after the box;
// - silences every control, whatever its kind, so that no handler hears of
//   a value written under the box, and puts back each control's user value
//   (Qt's user property: a slider's value, a field's text, a check box's
//   state) and the keyboard focus when it is lifted;
// - paints the window, whenever it is exposed, as it was when the box
//   opened, so that nothing of all this ever shows.
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
        bool warAus;
        QVariant wert;
    };

    QPointer<QWidget> m_fenster;
    QPointer<QWidget> m_fokus;
    std::unique_ptr<Standbild> m_standbild;
    std::vector<Gesperrt> m_gesperrt;
};
