// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "schnelltext.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

namespace view {

class Suchbaum;

// The whole search tree in one picture: a band for each column a to h, and
// in it each queen the search sets, as tall as the steps the search spends
// under it, in the order it spends them; so the picture keeps its shape as
// the search goes on. What the search has reached is solid, what lies
// ahead faint; each step that finds no free row is a red stroke, each
// solution green; the path from column a to the queen just set is framed
// and named, and the heading of the column the next step works on is set
// off. Under it the path in words, and under each column the queens set
// there so far against those of the whole search, and the steps that
// found no free row there. A click on a queen asks to go to the step that
// set it; its tooltip says where it stands and what lies under it. Drawn
// in fixed colours, whatever the palette; a step repaints only what it
// changed.
class Suchbaumbild : public QWidget
{
    Q_OBJECT

public:
    explicit Suchbaumbild(QWidget *parent = nullptr);

    // A tree made anew, or the step it stands at.
    void neu(const Suchbaum &baum, int schritt);
    void weiter(int schritt);

    // The node at a point of the picture, or -1.
    int knotenBei(const QPoint &punkt) const;
    // The path and the counts per column, in sentences.
    QString inWorten() const;

signals:
    void gewaehlt(int knoten);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRectF rechteck(int knoten) const;
    QRectF spalte(int spalte) const;
    // Under the tree: the path's line, and a column's counts.
    QRectF wegZeile() const;
    QRectF zaehler(int spalte) const;
    double y(double schritt) const;
    // Measures the bands for the widget's size and font.
    void messen();
    void malen();

    const Suchbaum *m_baum = nullptr;
    int m_schritt = 0;
    // The bands' heights: the columns' names above, the words below.
    double m_kopf = 0;
    double m_fuss = 0;
    // A line of the small writing below.
    double m_klein = 0;
    // The tree as it lies ahead and as reached, drawn once per tree and size.
    QImage m_blass;
    QImage m_voll;
    // The line between what was done and what lies ahead.
    QPixmap m_strich;
    // The nodes of each column, in the order the search sets them.
    std::array<std::vector<int>, 8> m_spalten;
    Schnelltext m_text;
};

} // namespace view
