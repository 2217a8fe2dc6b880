// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feldaufbauen.h"

#include "feld.h"
#include "twips.h"

#include <QLineEdit>

namespace view {

namespace {

constexpr int ZellAbstand = 696;
constexpr int ZellGroesse = 672; // the gap shows the container
constexpr int BrettGroesse = 8 * ZellAbstand;

} // namespace

void FeldAufbauen(QWidget &picFeld, const Zellen &txtFeld)
{
    picFeld.resize(pixel(BrettGroesse), pixel(BrettGroesse));
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
            const int index = board::zellIndexAufSchirm(x, y);
            QLineEdit &zelle = *txtFeld[static_cast<std::size_t>(index)];
            zelle.setFrame(false);
            zelle.setGeometry(twipsRect(ZellAbstand * x, ZellAbstand * y, ZellGroesse, ZellGroesse));
            QPalette palette = zelle.palette();
            palette.setColor(QPalette::Base, (x + y) % 2 == 0 ? FarbeHell : FarbeDunkel);
            // The grey squares are fixed, so the marks must be too: a dark
            // palette's light text would vanish on them.
            palette.setColor(QPalette::Text, Qt::black);
            zelle.setPalette(palette);
        }
    }
}

} // namespace view
