// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ansage.h"
#include "anzeige.h"
#include "feld.h"
#include "feldaufbauen.h"
#include "laufsteuerung.h"
#include "suchverlauf.h"

#include <QWidget>

#include <array>
#include <memory>

class DamenRegler;
class DurchlaufMenue;
class Rueckfragen;
class Ueberblick;
class Vorhersagen;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace view {
class Spaltenansicht;
class Spuren;
}

// The program's only window: the board with its sliders, the backtracker's
// controls, the verdict box and the cover panel. It builds them and
// connects them to the run's control, the record of the search and its
// views.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    const board::Suche &suche() const { return m_lauf->suche(); }
    const board::Feld &feld() const { return m_feld; }
    const view::Suchverlauf &verlauf() const { return m_verlauf; }
    const view::Spuren &spuren() const { return *m_spuren; }
    Vorhersagen &vorhersagen() const { return *m_vorhersagen; }
    // The clock that paces the frames and the steps of a running search,
    // and a sleep on it for a test; without one, the pace sleeps in real time.
    void setzeUhr(const Bildtakt::Uhr &uhr, Tempo::Schlaf schlaf = {}) { m_lauf->setzeUhr(uhr, std::move(schlaf)); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void erzeugeSteuerelemente();
    void verbinde();
    void setzeFokusfolge();
    void Form_Load();
    void Feld_SpalteGeaendert(int index);
    void VScroll1_Change(int wert);
    void VScroll2_Change(int index, int wert);

    // What follows from the run's state: enabled controls, title, focus.
    void zeigeZustand(Laufsteuerung::Zustand alt, Laufsteuerung::Zustand neu);
    void zeigeTeil(int teil, bool an);
    // "Gehe zu Schritt …": asks which, and goes there.
    void geheZuSchritt();

    board::Feld m_feld;
    view::Suchverlauf m_verlauf;

    QWidget *m_picFeld = nullptr;
    view::Zellen m_txtFeld{};
    std::array<QLineEdit *, 8> m_text2{};
    std::array<DamenRegler *, 8> m_vScroll2{};
    QScrollBar *m_vScroll1 = nullptr;
    QWidget *m_picture1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QLabel *m_label2 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QLabel *m_label1 = nullptr;
    QLineEdit *m_text4 = nullptr;
    QLabel *m_label4 = nullptr;
    QLineEdit *m_text5 = nullptr;
    QLineEdit *m_text3 = nullptr;

    view::Anzeige m_anzeige;
    Rueckfragen *m_fragen = nullptr;
    DurchlaufMenue *m_menue = nullptr;
    QAction *m_esc = nullptr;
    Ansage *m_ansage = nullptr;
    std::unique_ptr<view::Spaltenansicht> m_spaltenansicht;
    std::unique_ptr<view::Spuren> m_spuren;
    std::unique_ptr<view::Nebenanzeige> m_nebenanzeige;
    std::unique_ptr<Laufsteuerung> m_lauf;
    std::unique_ptr<Vorhersagen> m_vorhersagen;
    // Made when first opened.
    Ueberblick *m_ueberblick = nullptr;
    Stille m_stille{*this, [this] { return m_lauf && m_lauf->laeuftWeiter(); }};
};
