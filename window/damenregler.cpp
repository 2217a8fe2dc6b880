// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "damenregler.h"

#include "aussehen.h"

#include <QAccessible>

DamenRegler::DamenRegler(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(0, Oben);
    setSingleStep(1);
    setPageStep(1);
    setValue(Oben);
    setFocusPolicy(Qt::StrongFocus);
    setStyle(reglerStil());
    // Tracking is on, so every position of a drag is reported.
    connect(this, &QScrollBar::valueChanged, this, [this] { emit wertGeaendert(wert()); });
}

int DamenRegler::wert() const
{
    return position(value());
}

void DamenRegler::setzeWert(int wert)
{
    setValue(position(wert));
}

void DamenRegler::sliderChange(SliderChange change)
{
    if (change != SliderValueChange) {
        QScrollBar::sliderChange(change);
        return;
    }
    // The base class would announce the inverted position.
    QAccessibleValueChangeEvent event(this, wert());
    QAccessible::updateAccessibility(&event);
    update();
}
