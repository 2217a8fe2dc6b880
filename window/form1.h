// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "anzeige.h"
#include "feld.h"
#include "feldaufbauen.h"
#include "laufsteuerung.h"
#include "stille.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class Ansage;
class Ansichtsverlauf;
class DamenRegler;
class DurchlaufMenue;
class Rueckfragen;
class SuchprotokollFenster;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace view {
class Spaltenansicht;
class Spuren;
class Suchprotokoll;
}

// The program's only window: the board with its sliders, the backtracker's
// controls, the verdict box and the cover panel.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    const board::Suche &suche() const { return m_lauf->suche(); }
    const board::Feld &feld() const { return m_feld; }
    const view::Spuren &spuren() const { return *m_spuren; }
    const view::Suchprotokoll &protokoll() const { return *m_protokoll; }
    // The clock that paces the frames and the steps of a running search,
    // and a sleep on it for a test; without one, the pace sleeps in real time.
    void setzeUhr(const Bildtakt::Uhr &uhr, Tempo::Schlaf schlaf = {}) { m_lauf->setzeUhr(uhr, std::move(schlaf)); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
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
    void zeigeZustand();
    void schrittFertig(const board::Schritt &schritt);
    void schrittZurueckgenommen(const board::Schritt &schritt);
    void spurenZeigen(bool an);
    // Back to the end of the step a line of the protocol names.
    void zurueckZu(int zeile);
    // The marks of a step, where they are shown, or none.
    void zeigeSpuren(const board::Schritt *schritt);

    board::Feld m_feld;

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
    std::unique_ptr<Laufsteuerung> m_lauf;
    DurchlaufMenue *m_menue = nullptr;
    QAction *m_esc = nullptr;
    // The run's state the window shows.
    Laufsteuerung::Zustand m_gezeigt = Laufsteuerung::Zustand::Ruht;
    // The press under way is the second of a double click on "Durchlauf".
    bool m_zweiterKlick = false;
    std::unique_ptr<view::Spaltenansicht> m_spaltenansicht;
    std::unique_ptr<view::Spuren> m_spuren;
    std::unique_ptr<Ansichtsverlauf> m_ansichten;
    view::Suchprotokoll *m_protokoll = nullptr;
    SuchprotokollFenster *m_protokollFenster = nullptr;
    Ansage *m_ansage = nullptr;
    Stille m_stille{*this, [this] { return m_lauf && m_lauf->laeuftWeiter(); }};
    QPointer<QWidget> m_fokusVorLauf;
    QPointer<QWidget> m_fokusWaehrendLauf;
};
