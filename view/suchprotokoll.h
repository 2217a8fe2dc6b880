// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>

namespace board {
class Feld;
}

namespace view {

// How the board came to be, one line per step, hand move, "Null" and run
// start, each step's line naming every row it tried with the queens that
// ruled it out and what it did; a step taken back takes its line away. The
// lines are made from the step reports when shown, and reach views at once
// where none came in the last half second, else with the next half second:
// a full run costs a record per step, and a paced run does not repaint the
// list at every step.
class Suchprotokoll : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Summen
    {
        std::int64_t schritte = 0;
        std::int64_t versuchteReihen = 0;
        std::int64_t rueckschritte = 0;
        std::int64_t loesungen = 0;
        bool operator==(const Summen &) const = default;
    };

    // As many steps as can be taken back.
    static constexpr std::size_t Grenze = 10000;

    explicit Suchprotokoll(QObject *parent = nullptr);

    void schritt(const board::Schritt &schritt, const board::Feld &feld);
    // Takes the step's line away, where it is the last.
    void zurueck(const board::Schritt &schritt);
    void handzug(const board::Feld &feld, int spalte);
    void null();
    // A full run begins: its counts start from nothing.
    void durchlauf();

    const Summen &summen() const { return m_summen; }
    // The lines kept, whether or not views know of them yet.
    int zeilen() const { return int(m_zeilen.size()); }
    // The step a line tells of, or 0 for a line of another kind.
    std::int64_t schrittNummer(int zeile) const;
    // How many steps follow a step's line, or -1 where anything else
    // changed the board since.
    int schritteDanach(int zeile) const;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // The lines shown and the totals have changed.
    void geaendert();

private:
    struct Zeile
    {
        enum class Art : std::uint8_t { Schritt, Handzug, Null, Durchlauf };
        Art art;
        board::Schritt schritt;
        std::array<std::int16_t, 8> brett;
        int spalte;
    };
    static QString text(const Zeile &zeile);
    void anfuegen(Zeile zeile);
    // Brings views up to date soon.
    void vormerken();
    void uebernehmen();

    QTimer m_bald;
    QElapsedTimer m_seitZuletzt;
    std::deque<Zeile> m_zeilen;
    Summen m_summen;
    // The rows views know of, and whether more than appending happened.
    int m_bekannt = 0;
    bool m_neu = false;
};

} // namespace view
