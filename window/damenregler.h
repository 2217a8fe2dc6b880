// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

// A queen's slider: a vertical scroll bar whose top end is row 8 and whose
// bottom end is 0, so the upper arrow, the Up key and a drag upwards all
// raise the queen. Arrows and track clicks move it by one row.
class DamenRegler : public QScrollBar
{
    Q_OBJECT

public:
    explicit DamenRegler(QWidget *parent = nullptr);

    static constexpr int Oben = 8;

    int wert() const;
    // The scroll bar position that shows a row.
    static constexpr int position(int wert) { return Oben - wert; }
    // Moves the thumb as if the user had done it.
    void setzeWert(int wert);


signals:
    void wertGeaendert(int wert);

protected:
    void sliderChange(SliderChange change) override;
};
