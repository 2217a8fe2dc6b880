// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feldaufbauen.h"
#include "vorhersage.h"

#include <QObject>
#include <QPointer>

class Laufsteuerung;
class QLineEdit;
class QMouseEvent;
class QWidget;

namespace view {
class Suchverlauf;
}

// "Vorhersage üben", for the window: while on, a single step asked for
// outside a run first asks where it will go, and runs once answered — by a
// click on a cell of its column, or on the arrow in its top cell for "keine
// Reihe frei, zurück", by the keys 1 to 8 and Backspace, or from the
// pane's buttons — then says whether the guess was right, and why. Esc
// runs it without a guess. Whatever else changes the search takes the
// question back; "Von vorn" begins the count anew.
class Vorhersagen : public QObject
{
    Q_OBJECT

public:
    Vorhersagen(Laufsteuerung &lauf, const view::Suchverlauf &verlauf, const view::Zellen &zellen, QWidget &fenster);

    // The keys answer in `fenster` too.
    void beobachte(QWidget &fenster);
    bool an() const { return m_an; }
    void setzeAn(bool an);
    // "Einzelschritt": with predictions practised, the step waits for a
    // guess; otherwise it runs at once.
    void einzelschritt();
    // The column the open question is about, -1 for none.
    int spalte() const { return m_spalte; }
    // The answer: a row 1 to 8 or view::Vorhersage::Zurueck.
    void antworte(int tipp);
    // The step runs without a guess.
    void ueberspringen();
    const view::Vorhersage &stand() const { return m_stand; }
    // The count, for screen readers.
    void sageStand();

signals:
    // A question was asked about `spalte`, or, with -1, none is open.
    void gefragt(int spalte);
    void geurteilt(const QString &urteil);
    void standGeaendert();
    // For screen readers.
    void ansage(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // True where the step waits for a guess.
    bool fragen();
    // The open question's column, -1 for none.
    void setzeSpalte(int spalte);
    void zuruecknehmen();
    void schritt(int tipp);
    bool restDesDoppelklicks(const QMouseEvent &maus) const;

    Laufsteuerung &m_lauf;
    const view::Suchverlauf &m_verlauf;
    const view::Zellen &m_zellen;
    bool m_an = false;
    int m_spalte = -1;
    // The step answered runs: what it adds to the record is its own.
    bool m_schrittLaeuft = false;
    // Asked for meanwhile.
    bool m_nochmal = false;
    // The cell last clicked to answer, and when: the rest of a double
    // click there is no click into the cell.
    QPointer<QLineEdit> m_angeklickt;
    quint64 m_klickzeit = 0;
    view::Vorhersage m_stand;
};
