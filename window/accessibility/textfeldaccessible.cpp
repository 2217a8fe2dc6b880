// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfeldaccessible.h"

#include "textfeld.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

struct Stueck
{
    int anfang;
    int ende;
};

// The text cut at the boundaries of `art` into pieces that cover it from
// start to end: characters, words and the gaps between them, sentences;
// a single-line field is a single line and paragraph.
std::vector<Stueck> stuecke(const QString &text, QAccessible::TextBoundaryType art)
{
    QTextBoundaryFinder::BoundaryType finderArt = QTextBoundaryFinder::Grapheme;
    switch (art) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        finderArt = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderArt = QTextBoundaryFinder::Sentence;
        break;
    default:
        return text.isEmpty() ? std::vector<Stueck>{} : std::vector<Stueck>{{0, int(text.size())}};
    }
    std::vector<Stueck> teile;
    QTextBoundaryFinder finder(finderArt, text);
    int anfang = 0;
    // Each call moves forward, and past the end it answers -1.
    for (qsizetype grenze = finder.toNextBoundary(); grenze > 0; grenze = finder.toNextBoundary()) {
        const bool rand = finder.boundaryReasons()
                          & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
        if (!rand && grenze < text.size())
            continue;
        teile.push_back({anfang, int(grenze)});
        anfang = int(grenze);
    }
    return teile;
}

} // namespace

TextfeldAccessible::TextfeldAccessible(Textfeld *feld)
    : QAccessibleWidget(feld, QAccessible::EditableText)
{
}

Textfeld *TextfeldAccessible::feld() const
{
    return static_cast<Textfeld *>(widget());
}

int TextfeldAccessible::amText(int offset) const
{
    return std::clamp(offset, 0, characterCount());
}

void *TextfeldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextfeldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = feld()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString TextfeldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return feld()->text();
    return QAccessibleWidget::text(t);
}

void TextfeldAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        feld()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

void TextfeldAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !feld()->hasSelectedText())
        return;
    *startOffset = feld()->selectionStart();
    *endOffset = feld()->selectionEnd();
}

int TextfeldAccessible::selectionCount() const
{
    return feld()->hasSelectedText() ? 1 : 0;
}

void TextfeldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextfeldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        feld()->deselect();
}

void TextfeldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int anfang = amText(startOffset);
    if (selectionIndex == 0)
        feld()->setSelection(anfang, amText(endOffset) - anfang);
}

int TextfeldAccessible::cursorPosition() const
{
    return feld()->cursorPosition();
}

void TextfeldAccessible::setCursorPosition(int position)
{
    feld()->setCursorPosition(amText(position));
}

QString TextfeldAccessible::text(int startOffset, int endOffset) const
{
    const int anfang = amText(startOffset);
    return feld()->text().mid(anfang, std::max(0, amText(endOffset) - anfang));
}

QString TextfeldAccessible::stueck(int offset, QAccessible::TextBoundaryType art, int schritt, int *anfang,
                                   int *ende) const
{
    const QString inhalt = feld()->text();
    if (offset == -2)
        offset = feld()->cursorPosition();
    else if (offset == -1)
        offset = int(inhalt.size());
    if (offset < 0 || offset > inhalt.size()) {
        *anfang = *ende = -1;
        return {};
    }
    const std::vector<Stueck> teile = stuecke(inhalt, art);
    auto teil = std::find_if(teile.begin(), teile.end(), [offset](const Stueck &s) { return s.ende > offset; });
    // At the end of the text, where the caret mostly stands, the word, the
    // sentence and the line are the last ones; a character there is none.
    if (teil == teile.end() && teil != teile.begin() && art != QAccessible::CharBoundary)
        --teil;
    const auto index = (teil - teile.begin()) + schritt;
    if (index < 0 || index >= std::ssize(teile)) {
        *anfang = *ende = index < 0 ? 0 : int(inhalt.size());
        return {};
    }
    const Stueck &gefunden = teile[std::size_t(index)];
    *anfang = gefunden.anfang;
    *ende = gefunden.ende;
    return inhalt.mid(*anfang, *ende - *anfang);
}

QString TextfeldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return stueck(offset, boundaryType, -1, startOffset, endOffset);
}

QString TextfeldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return stueck(offset, boundaryType, 1, startOffset, endOffset);
}

QString TextfeldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                         int *endOffset) const
{
    return stueck(offset, boundaryType, 0, startOffset, endOffset);
}

int TextfeldAccessible::characterCount() const
{
    return int(feld()->text().size());
}

QRect TextfeldAccessible::characterRect(int offset) const
{
    const QRect rechteck = feld()->zeichenRechteck(offset);
    return rechteck.isEmpty() ? rechteck : rechteck.translated(feld()->mapToGlobal(QPoint()));
}

int TextfeldAccessible::offsetAtPoint(const QPoint &point) const
{
    return feld()->cursorPositionAt(feld()->mapFromGlobal(point));
}

void TextfeldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    feld()->setCursorPosition(amText(endIndex));
    feld()->setCursorPosition(amText(startIndex));
}

QString TextfeldAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // Plain text: one run without attributes, whatever the offset.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void TextfeldAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void TextfeldAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void TextfeldAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    // Offsets off the text would pad it, or take from its end.
    const int anfang = amText(startOffset);
    feld()->setText(feld()->text().replace(anfang, std::max(0, amText(endOffset) - anfang), text));
}
