// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;

// "Gehe zu Schritt …": asks for a step of the search, 1 to its last. Why a
// number cannot be gone to it says in itself, and keeps the number for
// mending; only one that can be gone to closes it.
class Schrittwahl : public QDialog
{
    Q_OBJECT

public:
    // Why a step cannot be gone to, in words; empty where it can.
    using Pruefung = std::function<QString(std::int64_t)>;

    Schrittwahl(QWidget &fenster, std::int64_t jetzt, std::int64_t letzter, Pruefung pruefen);

    void accept() override;

signals:
    // A step that can be gone to, as the dialog closes.
    void gewaehlt(std::int64_t schritt);
    // What it says, for screen readers.
    void gemeldet(const QString &text);

private:
    std::int64_t m_letzter;
    Pruefung m_pruefen;
    QLineEdit *m_eingabe = nullptr;
    QLabel *m_meldung = nullptr;
};
