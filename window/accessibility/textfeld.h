// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

// The window's single-line text fields. Taking the focus by the keyboard,
// a line edit selects its text before Qt reports the focus to screen
// readers, and Orca, told of the caret first, says nothing of the field.
// Here the text is selected just after the focus has been reported, or at
// the first key typed before then, which replaces it as usual; text that
// arrives otherwise before then (a screen reader's insertion) drops the
// selection, as it would in a plain line edit.
class Textfeld : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Where the character at `offset` is drawn, in the field's coordinates;
    // empty past the text.
    QRect zeichenRechteck(int offset) const;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        const Qt::FocusReason reason = event->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason) {
            QLineEdit::focusInEvent(event);
            return;
        }
        QFocusEvent ohneAuswahl(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&ohneAuswahl);
        m_auswahlFolgt = true;
        m_textBeimFokus = text();
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                auswaehlen();
        });
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        m_auswahlFolgt = false;
        QLineEdit::focusOutEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        auswaehlen();
        QLineEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent *event) override
    {
        auswaehlen();
        QLineEdit::inputMethodEvent(event);
    }

private:
    void auswaehlen()
    {
        if (!m_auswahlFolgt)
            return;
        m_auswahlFolgt = false;
        if (text() == m_textBeimFokus)
            selectAll();
    }

    bool m_auswahlFolgt = false;
    QString m_textBeimFokus;
};
