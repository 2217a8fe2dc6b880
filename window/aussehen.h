// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QGroupBox>
#include <QRect>
#include <QStringList>

#include <optional>

#include "schnelltext.h"

class QPainter;
class QStyle;
class QStyleOptionGroupBox;

// How the window looks, whatever the desktop: its faces, its tooltips, the
// group box frame and the sliders' style.

// The window's faces at a size in points: MS Sans Serif and Times New Roman
// where they are installed, otherwise the nearest free ones.
QFont sansSerif(qreal punkte);
QFont serif(qreal punkte);

// The window's default font, which the "Null" button uses: the sans-serif
// face at the size of the window's smaller captions.
QFont standardSchrift();

// A tooltip's text in lines no wider than a comfortable 380 pixels: Qt
// shows a plain tooltip on one line, however long.
QString tooltip(const QString &text);

// The look of the window's sliders, the same whatever the desktop's style
// and palette.
QStyle *reglerStil();

// A group box that, under Fusion, draws Fusion's frame in plain colours.
// Fusion paints it from a translucent picture: reading that makes Qt load
// every image format plug-in, and stretching it over the box's height is
// handed to worker threads, which the window's start would wait for.
// Where the running Qt's Fusion has no such picture, the style draws.
class Rahmen : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the frame and the title lie, measured for one size, title, font
    // and style: the style lays the title out to tell, and the counters
    // inside the box have it repainted behind them at every step.
    struct Lage
    {
        struct Fuer
        {
            QSize groesse;
            QString titel;
            QFont font;
            const QStyle *stil = nullptr;
            bool ankreuzbar = false;
            Qt::Alignment ausrichtung;
            bool operator==(const Fuer &) const = default;
        } fuer;
        QRect rahmen;
        std::optional<QRect> beschriftung;
    };
    const Lage &lage(const QStyleOptionGroupBox &option);
    Lage m_lage;
};

// Lines of text that change often, as at every step of a search: painted
// on the spot, as tall as the lines it is made for, so that a change never
// lays out the window anew (a label would). Screen readers read the lines
// as its name.
class Zeilen : public QWidget
{
    Q_OBJECT

public:
    // `hoehe`: how many lines it has room for; `umbrechen`: long lines
    // wrap at words.
    explicit Zeilen(int hoehe, QWidget *parent = nullptr, bool umbrechen = false);

    void setzeZeilen(const QStringList &zeilen);
    const QStringList &zeilen() const { return m_zeilen; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The lines as they are drawn: wrapped at spaces where they are to wrap.
    QStringList gesetzt(const QPainter &painter);

    int m_hoehe;
    bool m_umbrechen;
    QStringList m_zeilen;
    view::Schnelltext m_text{1 << 20};
};
