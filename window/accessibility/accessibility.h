// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What assistive technology learns of the window beyond Qt's defaults: the
// window is a window, a queen slider reports the queen's row, the text
// fields answer every text query, and the announcer is a notification.
void installAccessibility();
