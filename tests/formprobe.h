// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "application.h"
#include "damenregler.h"
#include "feld.h"
#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

#include <memory>

// Finds the window's controls by name and reads what a user sees.
class FormProbe
{
public:
    explicit FormProbe(Form1 &form)
        : m_form(form)
    {
    }

    template<typename Widget = QWidget>
    Widget *get(const QString &name) const
    {
        auto *widget = m_form.findChild<Widget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QLineEdit *cell(int index) const { return get<QLineEdit>(QStringLiteral("txtFeld_%1").arg(index)); }
    QLineEdit *valueBox(int spalte) const { return get<QLineEdit>(QStringLiteral("Text2_%1").arg(spalte)); }
    DamenRegler *slider(int spalte) const { return get<DamenRegler>(QStringLiteral("VScroll2_%1").arg(spalte)); }
    QString text(const QString &name) const { return get<QLineEdit>(name)->text(); }
    void click(const QString &button) const { QTest::mouseClick(get<QAbstractButton>(button), Qt::LeftButton); }

    // The column values as the value boxes show them: "1 5 8 6 3 7 2 4".
    QString shownBoard() const
    {
        QStringList werte;
        for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte)
            werte << valueBox(spalte)->text();
        return werte.join(u' ');
    }

    // Empty when every value box, slider and column of cells agree.
    QString inconsistency() const
    {
        for (int spalte = 0; spalte < board::Feld::Spalten; ++spalte) {
            bool ok = false;
            const int wert = valueBox(spalte)->text().toInt(&ok);
            if (!ok || wert < 0 || wert > 8 || valueBox(spalte)->text() != QString::number(wert))
                return QStringLiteral("value box %1 shows '%2'").arg(spalte).arg(valueBox(spalte)->text());
            if (slider(spalte)->wert() != wert)
                return QStringLiteral("slider %1 at %2, box %3").arg(spalte).arg(slider(spalte)->wert()).arg(wert);
            for (int r = 0; r < 8; ++r) {
                const int index = board::zellIndexAufSchirm(spalte, r);
                const QString expected = wert > 0 && index == board::zellIndex(spalte, wert) ? QStringLiteral("X")
                                                                                              : QString();
                if (cell(index)->text() != expected)
                    return QStringLiteral("cell %1 shows '%2' with column %3 at %4")
                        .arg(index)
                        .arg(cell(index)->text())
                        .arg(spalte)
                        .arg(wert);
            }
        }
        return {};
    }

    // Where a part of a scroll bar is on screen, as its style draws it.
    static QRect part(QScrollBar *bar, QStyle::SubControl control)
    {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.subControls = QStyle::SC_All;
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
    }

    static void clickPart(QScrollBar *bar, QStyle::SubControl control)
    {
        QTest::mouseClick(bar, Qt::LeftButton, {}, part(bar, control).center());
    }

    // Drags the thumb by `dy` pixels in single-pixel moves; `during` runs
    // after every move, before the button is released.
    template<typename During>
    static void dragThumb(QScrollBar *bar, int dy, During during)
    {
        QPoint at = part(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        const int step = dy < 0 ? -1 : 1;
        for (int moved = 0; moved != dy; moved += step) {
            at.ry() += step;
            QTest::mouseMove(bar, at);
            during();
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }

private:
    Form1 &m_form;
};

// The window, shown and active, as a window manager leaves it.
struct Window
{
    Window()
    {
        form->show();
        form->activateWindow(); // as a window manager does on mapping it
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("window not active");
    }

    std::unique_ptr<Form1> form = std::make_unique<Form1>();
    FormProbe probe{*form};
};

// The context menu's pace choices, in order.
inline QList<QAction *> paceChoices(Form1 &form)
{
    return form.findChild<QMenu *>(QStringLiteral("Tempomenue"))->actions();
}

// Arrow clicks on a queen slider: positive raises the queen.
inline void moveQueen(const FormProbe &probe, int spalte, int clicks)
{
    const auto arrow = clicks > 0 ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
    for (int i = 0; i < std::abs(clicks); ++i)
        FormProbe::clickPart(probe.slider(spalte), arrow);
}

// A test's main() for tests of the window, which runs in the program's
// own application set-up (its fonts, its translations).
#define FENSTER_TEST_MAIN(Test)                                                                                        \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        setupApplication(app);                                                                                         \
        Test test;                                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
