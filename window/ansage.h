// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

// Says a short message to screen readers, which present an object of the
// role notification as it is shown (Qt 6.4 has no announcement of its
// own). It has no size, so nothing of it can be seen or clicked, and it
// takes no focus; one object serves every message.
//
// While its window is not the active one, as just after a message box,
// the message waits until the window is active again: a screen reader
// then tells of the window and its focus first, which would cut off a
// message said before. Messages that wait are said together.
class Ansage : public QWidget
{
    Q_OBJECT

public:
    explicit Ansage(QWidget *parent);

    void sage(const QString &text);

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
};
