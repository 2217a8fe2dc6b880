// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "schnelltext.h"

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

// The rows of an item view as the view draws them, but from pictures of
// their text (view::Schnelltext): a run repaints the views beside the
// board at every step. A row's sign (its decoration) stands before its
// text, which takes the row's foreground where the model gives one.
class Bildzeilen : public QStyledItemDelegate
{
public:
    // `einzug`: where the text begins in a row without a sign; `speicher`:
    // how many bytes of pictures are kept.
    explicit Bildzeilen(QObject *parent, int einzug = 3, int speicher = 4 << 20);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    // The row's text and font laid into `option`, read from the model
    // itself: the style's way asks it for a dozen roles, and a view
    // repaints a whole page of rows when lines are added.
    static QStyleOptionViewItem ausModell(const QStyleOptionViewItem &option, const QModelIndex &index);

    mutable view::Schnelltext m_text;

private:
    int m_einzug;
    // A list without uniform rows asks for the size of each row it paints;
    // laying out a line's text again each time cost more than painting it.
    mutable QHash<QString, QSize> m_groessen;
    mutable QFont m_groessenSchrift;
};
