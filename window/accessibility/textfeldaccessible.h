// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class Textfeld;

// What assistive technology reads and writes of the window's text fields,
// in place of Qt's interface for line edits, which has two faults (Qt 6.4
// and 6.8 alike): its attribute runs have no length, so Orca 43 reads
// every field without its last character, and asked for the word at the
// end of the text it searches on forever, freezing the program. Here a
// field's text is one attribute run, and the piece of text at, before or
// after an offset comes from a list of the text's pieces, which ends.
class TextfeldAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit TextfeldAccessible(Textfeld *feld);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    Textfeld *feld() const;
    // An offset from outside, held to the text: 0 to its length.
    int amText(int offset) const;
    // The piece of text `schritt` pieces away from the one at `offset`.
    QString stueck(int offset, QAccessible::TextBoundaryType art, int schritt, int *anfang, int *ende) const;
};
