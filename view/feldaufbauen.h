// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <array>

class QLineEdit;
class QWidget;

namespace view {

// Cells indexed column + 9 * screen row; the indices 8, 17, ..., 62 are unused.
constexpr int ZellIndizes = 71;
using Zellen = std::array<QLineEdit *, ZellIndizes>;

inline const QColor FarbeHell{220, 220, 220};
inline const QColor FarbeDunkel{180, 180, 180};
// The cells' type, in points. An empty cell shows nothing of it, so the
// window gives it to them once its first frame is up.
constexpr qreal ZellSchrift = 24;

// Lays the 64 cells out as a chessboard inside picFeld.
void FeldAufbauen(QWidget &picFeld, const Zellen &txtFeld);

} // namespace view
