// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rueckfragen.h"

#include "eingabesperre.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// Buttons in German whether or not Qt's own translation is installed.
void beschrifte(QMessageBox &box, QMessageBox::StandardButton knopf, const QString &text)
{
    box.button(knopf)->setText(text);
}

// A window manager puts a box's title beside its own buttons, where Qt,
// sizing the box by its text, leaves room for a title alone: "fertig" got
// "A… n". Wide enough for the title in bold and four buttons.
void titelPasst(QMessageBox &box)
{
    QFont fett = box.font();
    fett.setBold(true);
    const QFontMetrics metrik(fett);
    const int knopf = 2 * metrik.height();
    const int breite = metrik.horizontalAdvance(box.windowTitle()) + 4 * knopf;
    auto *gitter = qobject_cast<QGridLayout *>(box.layout());
    if (gitter)
        gitter->addItem(new QSpacerItem(breite, 0), gitter->rowCount(), 0, 1, gitter->columnCount());
}

} // namespace

const QString Rueckfragen::Titel = QStringLiteral("Acht Damen");

Rueckfragen::Rueckfragen(QWidget &fenster, const QWidget &ueber)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_ueber(ueber)
{
}

bool Rueckfragen::weitersuchen()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("hurra!"), QStringLiteral("weitersuchen?"),
                    QMessageBox::Yes | QMessageBox::No, &m_fenster);
    box.setDefaultButton(QMessageBox::Yes);
    beschrifte(box, QMessageBox::Yes, QStringLiteral("&Ja"));
    beschrifte(box, QMessageBox::No, QStringLiteral("&Nein"));
    nebenDasBrett(box);
    return zeige(box) == QMessageBox::Yes;
}

void Rueckfragen::fertig()
{
    QMessageBox box(QMessageBox::NoIcon, Titel, QStringLiteral("fertig"), QMessageBox::Ok, &m_fenster);
    beschrifte(box, QMessageBox::Ok, QStringLiteral("OK"));
    titelPasst(box);
    zeige(box);
}

void Rueckfragen::schliessen()
{
    if (m_offen)
        m_offen->reject();
}

void Rueckfragen::nebenDasBrett(QMessageBox &box) const
{
    // The question is about the solution on the board, so it must not hide
    // it: over the backtracker's panel, and fully on screen. Wayland places
    // dialogs itself.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    box.adjustSize();
    QRect rahmen(QPoint(), box.frameGeometry().size());
    rahmen.moveCenter(m_ueber.mapToGlobal(m_ueber.rect().center()));
    if (const QScreen *schirm = m_fenster.screen()) {
        const QRect frei = schirm->availableGeometry();
        rahmen.moveLeft(std::clamp(rahmen.left(), frei.left(), std::max(frei.left(), frei.right() - rahmen.width())));
        rahmen.moveTop(std::clamp(rahmen.top(), frei.top(), std::max(frei.top(), frei.bottom() - rahmen.height())));
    }
    box.move(rahmen.topLeft());
}

int Rueckfragen::zeige(QMessageBox &box)
{
    m_offen = &box;
    // The window shows where the search stands, and holds still under the
    // box: it takes no input from any source until the box is answered.
    emit oeffnet();
    const Eingabesperre sperre(m_fenster);
    return box.exec();
}
