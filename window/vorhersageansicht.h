// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class Vorhersagen;

// The pane "Vorhersage": the open question with a button for each answer,
// for those who do not click the board or use its keys, the last verdict
// and the count of guesses that were right.
class Vorhersageansicht : public QWidget
{
    Q_OBJECT

public:
    explicit Vorhersageansicht(Vorhersagen &vorhersagen, QWidget *parent = nullptr);

private:
    void zeigeFrage(int spalte);

    Vorhersagen &m_vorhersagen;
    QLabel *m_frage = nullptr;
    std::array<QPushButton *, 8> m_reihen{};
    QLabel *m_urteil = nullptr;
    QLabel *m_stand = nullptr;
};
