// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace view {
class Suchverlauf;
}

// Says a short message to screen readers, which present an object of the
// role notification as it is shown (Qt 6.4 has no announcement of its
// own). It has no size, so nothing of it can be seen or clicked, and it
// takes no focus; one object serves every message.
//
// While no window of the program is active, as just after a message box,
// the message waits until its window is active again: a screen reader
// then tells of the window and its focus first, which would cut off a
// message said before. Messages that wait are said together, within half
// a second of the first, each once. Screen readers present a notification
// only from the active window: where another window of the program with an
// announcer of its own is active, that one says the message.
class Ansage : public QWidget
{
    Q_OBJECT

public:
    explicit Ansage(QWidget *parent);
    ~Ansage() override;

    void sage(const QString &text);
    // Tells what the search did, from its record: each step made outside a
    // run (with each row it found attacked and by whom, where `versuche`
    // says so), each queen moved by hand, and in a run that goes on only
    // the answer at a solution.
    void erzaehle(const view::Suchverlauf &verlauf, std::function<bool()> laeuftWeiter,
                  std::function<bool()> versuche);

signals:
    // A message as it goes out to screen readers.
    void gesagt(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sagen();

    QString m_wartend;
    // Should the window not come back, the message is said anyway.
    QTimer m_spaetestens;
    static inline std::vector<Ansage *> s_alle;
};

// Keeps a full run from flooding screen readers. During a run the board, the
// value boxes, the counters and the verdict change at every step, and at a
// pace every step is a frame of its own: told of each change, a screen
// reader falls minutes behind and drops what matters. While `still` holds,
// the window's controls keep the changes of their names, values and texts
// to themselves; everything else (states, focus, what is shown) passes at
// once, and so does all that the announcer, the boxes and menus over the
// window and the control with the keyboard focus say. A control that takes
// the focus first reports what it holds back, and when the stillness ends
// every control does, once, so that a client that caches what it was told
// holds what the window shows.
class Stille
{
public:
    Stille(QWidget &fenster, std::function<bool()> still);
    ~Stille();

    Stille(const Stille &) = delete;
    Stille &operator=(const Stille &) = delete;

    void ende();

private:
    // What a control has held back: whether its name and its value
    // changed, and the text a client last heard of, where that changed.
    struct Zurueckgehalten
    {
        QPointer<QObject> objekt;
        bool name = false;
        bool wert = false;
        std::optional<QString> text;
    };

    // One handler for every window's stillness, in place of the one
    // installed before the first.
    static void update(QAccessibleEvent *event);
    static void weiter(QAccessibleEvent *event);
    bool zurueckhalten(QAccessibleEvent *event);
    void vormerken(QAccessibleEvent *event);
    void nachholen(const Zurueckgehalten &was);

    QWidget &m_fenster;
    std::function<bool()> m_still;
    std::vector<Zurueckgehalten> m_zurueckgehalten;

    static inline std::vector<Stille *> s_alle;
    static inline QAccessible::UpdateHandler s_vorher = nullptr;
};
