// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchbaum.h"

#include "feld.h"
#include "stellung.h"
#include "suche.h"
#include "suchverlauf.h"

#include <iterator>

namespace view {

void Suchbaum::berechne(const Brett &brett, int spalte, std::int64_t schritte, std::int64_t loesungen)
{
    m_basis = schritte;
    m_schritte = board::Suche::Vorschau(feldAus(brett), spalte, schritte, loesungen);
    m_knoten.assign(1, Knoten{});
    m_tiefster.assign(1, 0);
    m_ebenen.assign(1, Ebenen{});

    // The path as it stands: the root, then the node of each column left
    // of the one in work.
    std::vector<int> weg{0};
    for (int c = 0; c < spalte; ++c) {
        m_knoten.push_back(Knoten{c, brett[std::size_t(c)], weg.back(), 0, 0, 1, 0, 0, 0, false});
        weg.push_back(int(m_knoten.size()) - 1);
    }
    m_tiefster[0] = weg.back();
    std::vector<bool> hatKinder(m_knoten.size(), false);
    for (std::size_t k = 1; k <= m_schritte.size(); ++k) {
        const board::Schritt &s = m_schritte[k - 1];
        weg.resize(std::size_t(s.spalte) + 1);
        Ebenen zaehler = m_ebenen.back();
        if (s.reihe > 0) {
            const int eltern = weg.back();
            hatKinder[std::size_t(eltern)] = true;
            m_knoten.push_back(Knoten{s.spalte, s.reihe, eltern, int(k), int(k), 1, 0, s.loesung > 0 ? 1 : 0,
                                      s.loesung, false});
            hatKinder.push_back(false);
            weg.push_back(int(m_knoten.size()) - 1);
            ++zaehler[std::size_t(s.spalte)].gesetzt;
        } else {
            Knoten &geschlossen = m_knoten[std::size_t(weg.back())];
            geschlossen.ende = int(k);
            geschlossen.sackgasse = !hatKinder[std::size_t(weg.back())];
            ++geschlossen.sackgassen;
            ++zaehler[std::size_t(s.spalte)].sackgassen;
        }
        m_tiefster.push_back(weg.back());
        m_ebenen.push_back(zaehler);
    }
    // Subtrees follow their nodes, so the counts gather from the last node
    // back to the first.
    for (std::size_t i = m_knoten.size() - 1; i > 0; --i) {
        const Knoten &n = m_knoten[i];
        Knoten &eltern = m_knoten[std::size_t(n.eltern)];
        eltern.groesse += n.groesse;
        eltern.sackgassen += n.sackgassen;
        eltern.loesungen += n.loesungen;
    }
}

int Suchbaum::inBaum(std::int64_t nummer) const
{
    const std::int64_t k = nummer - m_basis;
    return k >= 0 && k <= ende() ? int(k) : -1;
}

bool Suchbaum::passt(int k, const board::Schritt &schritt) const
{
    if (k < 1 || k > ende())
        return false;
    const board::Schritt &vorhergesehen = m_schritte[std::size_t(k - 1)];
    return vorhergesehen.spalte == schritt.spalte && vorhergesehen.vorher == schritt.vorher
           && vorhergesehen.reihe == schritt.reihe && vorhergesehen.bedroher == schritt.bedroher;
}

bool Suchbaum::fertig(int knoten, int k) const
{
    const Knoten &n = m_knoten[std::size_t(knoten)];
    if (n.ende > k)
        return false;
    // Closed, it stays on the path until the next step moves its queen.
    for (int i = tiefster(k); i >= 0; i = m_knoten[std::size_t(i)].eltern) {
        if (i == knoten)
            return false;
    }
    return true;
}

std::vector<int> Suchbaum::pfad(int k) const
{
    std::vector<int> weg;
    for (int i = tiefster(k); i > 0; i = m_knoten[std::size_t(i)].eltern)
        weg.insert(weg.begin(), i);
    return weg;
}

std::vector<int> Suchbaum::kinder(int knoten) const
{
    std::vector<int> kinder;
    const int bis = knoten + m_knoten[std::size_t(knoten)].groesse;
    for (int i = knoten + 1; i < bis; i += m_knoten[std::size_t(i)].groesse)
        kinder.push_back(i);
    return kinder;
}

QString Suchbaum::name(int knoten) const
{
    const Knoten &k = m_knoten[std::size_t(knoten)];
    if (k.spalte < 0)
        return QStringLiteral("Start");
    return k.reihe > 0 ? feldName(k.spalte, k.reihe) : spaltenName(k.spalte) + QStringLiteral(" leer");
}

QString Suchbaum::beschreibung(int knoten) const
{
    const Knoten &k = m_knoten[std::size_t(knoten)];
    QStringList teile{name(knoten)};
    if (k.spalte >= 0)
        teile << (k.schritt > 0 ? QStringLiteral("gesetzt in Schritt %1").arg(m_basis + k.schritt)
                                : QStringLiteral("stand schon zu Beginn"));
    if (k.loesung > 0)
        teile << QStringLiteral("Lösung %1").arg(k.loesung);
    if (k.sackgasse)
        teile << QStringLiteral("Sackgasse, in Spalte %1 ist keine Reihe frei").arg(spaltenName(k.spalte + 1));
    if (k.groesse > 1 || k.spalte < 0)
        teile << QStringLiteral("darunter %1 gesetzt, %2 Sackgassen, %3 %4")
                     .arg(k.groesse - 1)
                     .arg(k.sackgassen)
                     .arg(k.loesungen)
                     .arg(k.loesungen == 1 ? QStringLiteral("Lösung") : QStringLiteral("Lösungen"));
    return teile.join(QStringLiteral(", "));
}

Suchbaumstand::Suchbaumstand(const Suchverlauf &verlauf, QObject *parent)
    : QObject(parent)
    , m_verlauf(verlauf)
{
    using Eintrag = Suchverlauf::Eintrag;
    aufholen();
    connect(&verlauf, &Suchverlauf::angefuegt, this, [this](const Eintrag &eintrag) {
        if (eintrag.art != Eintrag::Art::Schritt) {
            vomStand();
            return;
        }
        const board::Schritt &s = eintrag.schritt;
        if (m_baum.inBaum(s.nummer) == m_schritt + 1 && m_baum.passt(m_schritt + 1, s)) {
            ++m_schritt;
            emit weiter();
            return;
        }
        // From where the story stood before the step, which then is the
        // tree's first.
        Brett davor = eintrag.brett;
        davor[std::size_t(s.spalte)] = s.vorher;
        berechne(davor, s.zeigerVorher, s.nummer - 1, m_verlauf.summen().loesungen - (s.loesung > 0 ? 1 : 0));
        m_schritt = m_baum.passt(1, s) ? 1 : 0;
        emit neu();
    });
    connect(&verlauf, &Suchverlauf::zurueckgenommen, this, [this](const Eintrag &eintrag) {
        const int k = m_baum.inBaum(eintrag.schritt.nummer - 1);
        if (k < 0) {
            vomStand();
            return;
        }
        m_schritt = k;
        emit weiter();
    });
    // A run that ends sets the pointer back to column a; a finished tree
    // stays until the next step begins the search anew.
    connect(&verlauf, &Suchverlauf::naechsteGeaendert, this, [this](int naechste) {
        if (zeigerWoanders(naechste))
            vomStand();
    });
    connect(&verlauf, &Suchverlauf::begonnen, this, &Suchbaumstand::vomStand);
}

void Suchbaumstand::berechne(const Brett &brett, int spalte, std::int64_t schritte, std::int64_t loesungen)
{
    m_anfang = Anfang{brett, spalte, schritte, loesungen};
    m_baum.berechne(brett, spalte, schritte, loesungen);
    m_schritt = 0;
}

void Suchbaumstand::aufholen()
{
    // The steps since the board last changed otherwise, made anew in the
    // tree of the search they began.
    const std::deque<Suchverlauf::Eintrag> &eintraege = m_verlauf.eintraege();
    auto erster = eintraege.end();
    std::int64_t loesungen = m_verlauf.summen().loesungen;
    while (erster != eintraege.begin() && std::prev(erster)->art == Suchverlauf::Eintrag::Art::Schritt) {
        --erster;
        loesungen -= erster->schritt.loesung > 0 ? 1 : 0;
    }
    if (erster == eintraege.end()) {
        vomStand();
        return;
    }
    const board::Schritt &s = erster->schritt;
    Brett davor = erster->brett;
    davor[std::size_t(s.spalte)] = s.vorher;
    berechne(davor, s.zeigerVorher, s.nummer - 1, loesungen);
    for (auto e = erster; e != eintraege.end(); ++e) {
        if (!m_baum.passt(m_schritt + 1, e->schritt)) {
            vomStand();
            return;
        }
        ++m_schritt;
    }
    // Opened after a run that ended there.
    if (zeigerWoanders(m_verlauf.naechste())) {
        vomStand();
        return;
    }
    emit neu();
}

bool Suchbaumstand::zeigerWoanders(int naechste) const
{
    return m_schritt < m_baum.ende() && m_baum.schritte()[std::size_t(m_schritt)].spalte != naechste;
}

void Suchbaumstand::vomStand()
{
    const Anfang jetzt{m_verlauf.brett(), m_verlauf.naechste(), m_verlauf.summen().schritte,
                       m_verlauf.summen().loesungen};
    // Still at the start of the tree it would make, as a run begun on a
    // fresh board is: the same search, kept, which saves a frame's time.
    if (m_schritt == 0 && jetzt == m_anfang)
        return;
    berechne(jetzt.brett, jetzt.spalte, jetzt.schritte, jetzt.loesungen);
    emit neu();
}

} // namespace view
