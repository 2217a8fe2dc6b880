// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "anzeige.h"
#include "bildtakt.h"
#include "feld.h"
#include "feldaufbauen.h"
#include "host.h"
#include "stille.h"
#include "suche.h"
#include "tempo.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class Ansage;
class Ansichtsverlauf;
class DamenRegler;
class DurchlaufMenue;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QScrollBar;

namespace view {
class Spaltenansicht;
class Spuren;
}

// The program's only window: the board with its sliders, the backtracker's
// controls, the verdict box and the cover panel.
class Form1 : public QWidget, private board::Host
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    const board::Suche &suche() const { return m_suche; }
    const board::Feld &feld() const { return m_feld; }
    const view::Spuren &spuren() const { return *m_spuren; }
    // The clock that paces the frames and the steps of a running search,
    // and a sleep on it for a test; without one, the pace sleeps in real time.
    void setzeUhr(const Bildtakt::Uhr &uhr, Tempo::Schlaf schlaf = {})
    {
        m_takt.setzeUhr(uhr);
        m_tempo.setzeUhr(uhr, std::move(schlaf));
    }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void erzeugeSteuerelemente();
    void setzeFokusfolge();
    void Form_Load();
    // Runs a command with the display held between frames.
    template<typename Command>
    void befehl(Command command);
    void Feld_SpalteGeaendert(int index);
    void VScroll1_Change(int wert);

    bool stopAtSolutions() override;
    void showSteps(std::int64_t schritte) override;
    void showSolutions(std::int64_t loesungen) override;
    void clearSolutions() override;
    bool askContinue() override;
    void announceEnd() override;
    void processEvents() override;
    void runningChanged(bool running) override;
    void stepBegins() override;
    void stepTaken(const board::Schritt &schritt) override;
    void stepDone(const board::Schritt &schritt) override;
    void stepUndone(const board::Schritt &schritt) override;
    void betweenSteps() override;

    void anhaltenOderFortsetzen();
    void waehleTempo(Tempo::Stufe stufe);
    void durchlaufBeenden();
    void spurenZeigen(bool an);
    // The marks of a step, where they are shown, or none.
    void zeigeSpuren(const board::Schritt *schritt);
    bool zurueckMoeglich() const;
    void aktualisiereZurueck();
    void schrittZurueck();

    void nebenDasBrett(QMessageBox &box) const;
    int zeigeBox(QMessageBox &box);
    void zeigeZaehler();
    void zeigeBild();

    board::Feld m_feld;
    board::Suche m_suche{m_feld, *this};

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
    Bildtakt m_takt;
    Tempo m_tempo;
    DurchlaufMenue *m_menue = nullptr;
    QAction *m_esc = nullptr;
    // The user has asked for a pause that has not yet been taken back.
    bool m_anhalten = false;
    // The run is held between two steps.
    bool m_haelt = false;
    bool m_eingabe = false;
    // The press under way is the second of a double click on "Durchlauf".
    bool m_zweiterKlick = false;
    std::unique_ptr<view::Spaltenansicht> m_spaltenansicht;
    std::unique_ptr<view::Spuren> m_spuren;
    bool m_spurenAn = false;
    std::unique_ptr<Ansichtsverlauf> m_ansichten;
    // The count of the step under way, shown with the rows it probes.
    std::optional<std::int64_t> m_gezaehlt;
    Ansage *m_ansage = nullptr;
    Stille m_stille{*this, [this] { return m_suche.runInProgress() && !m_haelt; }};
    // The answer to the question at the solution being counted.
    std::optional<bool> m_antwort;
    QPointer<QMessageBox> m_offeneBox;
    QPointer<QWidget> m_fokusVorLauf;
    QPointer<QWidget> m_fokusWaehrendLauf;
};
