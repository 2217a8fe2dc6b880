// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansage.h"

Ansage::Ansage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Ansage"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Ansage::sage(const QString &text)
{
    // Shown anew for every message: showing is what is presented.
    hide();
    setAccessibleName(text);
    show();
}
