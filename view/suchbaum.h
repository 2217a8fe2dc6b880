// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host.h"
#include "namen.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace view {

// The whole search from a board on, computed ahead with the board's own
// rule, as a tree: a node for each queen the search sets, under the queen
// of the column before, in the order the search sets them, and one for each
// queen that stands left of the column in work as it begins. A step that
// finds no free row closes the node before its column. Nodes are kept in
// that order, so a node's subtree is the nodes that follow it, as many as
// it counts; steps are counted from 1, the first step of the search made
// ahead, and 0 is where it begins.
class Suchbaum
{
public:
    struct Knoten
    {
        // The root stands before column a, at -1.
        int spalte = -1;
        // 0 for a column that stood empty as the search began.
        int reihe = 0;
        int eltern = -1;
        // The step that set the queen, 0 for one that stood before.
        int schritt = 0;
        // The last step within it: the one that found no further row in
        // the column after it, or, in column h, its own.
        int ende = 0;
        // The nodes of its subtree, itself included.
        int groesse = 1;
        // In its subtree, itself included: steps that found no free row,
        // and solutions.
        int sackgassen = 0;
        int loesungen = 0;
        // The solution it completes, or 0.
        std::int64_t loesung = 0;
        // No row of the column after it was free at all.
        bool sackgasse = false;
    };

    // Per column: queens set and steps that found no free row.
    struct Ebene
    {
        int gesetzt = 0;
        int sackgassen = 0;
        bool operator==(const Ebene &) const = default;
    };
    using Ebenen = std::array<Ebene, 8>;

    // The search from `brett`, its next step in `spalte` (-1: finished, the
    // next step begins anew), after `schritte` steps and `loesungen`
    // solutions.
    void berechne(const Brett &brett, int spalte, std::int64_t schritte, std::int64_t loesungen);

    const std::vector<Knoten> &knoten() const { return m_knoten; }
    const std::vector<board::Schritt> &schritte() const { return m_schritte; }
    // The steps made before the first of the tree.
    std::int64_t basis() const { return m_basis; }
    // The number a step of the search has in the tree, 0 to the last, or -1
    // for one outside it.
    int inBaum(std::int64_t nummer) const;
    // Whether `schritt` is the step the tree makes as its `k`-th.
    bool passt(int k, const board::Schritt &schritt) const;

    // The deepest node that stands after step `k`: the queen that step set,
    // or the one whose next column it found without a free row.
    int tiefster(int k) const { return m_tiefster[std::size_t(k)]; }
    // Whether step `k` has set the node's queen, or it stood before.
    bool erreicht(int knoten, int k) const { return m_knoten[std::size_t(knoten)].schritt <= k; }
    // Whether the search has left the node for good by step `k`: a
    // finished part, which views fold.
    bool fertig(int knoten, int k) const;
    // The path after step `k`, from column a on, without the root.
    std::vector<int> pfad(int k) const;
    // A node's children, in the order they were set.
    std::vector<int> kinder(int knoten) const;
    // Per column, as counted after step `k`; the whole search at its end.
    Ebenen ebenen(int k) const { return m_ebenen[std::size_t(k)]; }
    int ende() const { return int(m_schritte.size()); }

    // "f3": the queen a node stands for; "Start" for the root.
    QString name(int knoten) const;
    // Its position and the counts of its subtree, in words.
    QString beschreibung(int knoten) const;

private:
    std::int64_t m_basis = 0;
    std::vector<board::Schritt> m_schritte;
    std::vector<Knoten> m_knoten;
    std::vector<int> m_tiefster;
    std::vector<Ebenen> m_ebenen;
};

class Suchverlauf;

// The tree of the search the record's story goes on with, and the step it
// stands at. Within the tree the story moves by its steps and steps taken
// back; anything else that changes the board (a hand move, "Null", a run's
// start), a run that ends on column a, or a step the tree does not foresee
// makes the tree anew, from where the story stands then.
class Suchbaumstand : public QObject
{
    Q_OBJECT

public:
    explicit Suchbaumstand(const Suchverlauf &verlauf, QObject *parent = nullptr);

    const Suchbaum &baum() const { return m_baum; }
    // The step of the tree the story stands at, 0 before its first.
    int schritt() const { return m_schritt; }

signals:
    // The tree was made anew.
    void neu();
    // The story moved within it.
    void weiter();

private:
    void berechne(const Brett &brett, int spalte, std::int64_t schritte, std::int64_t loesungen);
    void vomStand();
    void aufholen();
    // The tree's next step works on another column than the search's
    // pointer, which a run that ends sets back to column a.
    bool zeigerWoanders(int naechste) const;

    // What the tree was made from.
    struct Anfang
    {
        Brett brett{};
        int spalte = -2;
        std::int64_t schritte = 0;
        std::int64_t loesungen = 0;
        bool operator==(const Anfang &) const = default;
    };

    const Suchverlauf &m_verlauf;
    Anfang m_anfang;
    Suchbaum m_baum;
    int m_schritt = 0;
};

} // namespace view
