// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchprotokoll.h"

#include "feld.h"
#include "namen.h"

#include <QStringList>

#include <algorithm>

namespace view {

namespace {

// The rows a step tried on the board.
int versucht(const board::Schritt &schritt)
{
    int reihen = schritt.reihe > 0 ? 1 : 0;
    for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile)
        reihen += schritt.abgelehnt(zeile) ? 1 : 0;
    return reihen;
}

} // namespace

Suchprotokoll::Suchprotokoll(QObject *parent)
    : QAbstractListModel(parent)
{
    m_bald.setSingleShot(true);
    connect(&m_bald, &QTimer::timeout, this, &Suchprotokoll::uebernehmen);
}

void Suchprotokoll::schritt(const board::Schritt &schritt, const board::Feld &feld)
{
    Zeile zeile{Zeile::Art::Schritt, schritt, {}, schritt.spalte};
    for (int k = 0; k < board::Feld::Spalten; ++k)
        zeile.brett[std::size_t(k)] = feld.wert(k);
    m_summen.schritte = schritt.nummer;
    m_summen.versuchteReihen += versucht(schritt);
    m_summen.rueckschritte += schritt.reihe == 0 ? 1 : 0;
    m_summen.loesungen = std::max(m_summen.loesungen, schritt.loesung);
    anfuegen(zeile);
}

void Suchprotokoll::zurueck(const board::Schritt &schritt)
{
    if (m_zeilen.empty() || m_zeilen.back().art != Zeile::Art::Schritt || m_zeilen.back().schritt != schritt)
        return;
    m_zeilen.pop_back();
    m_summen.schritte = schritt.nummer - 1;
    m_summen.versuchteReihen -= versucht(schritt);
    m_summen.rueckschritte -= schritt.reihe == 0 ? 1 : 0;
    if (schritt.loesung > 0)
        m_summen.loesungen = schritt.loesung - 1;
    if (int(m_zeilen.size()) < m_bekannt)
        m_neu = true;
    vormerken();
}

void Suchprotokoll::handzug(const board::Feld &feld, int spalte)
{
    Zeile zeile{Zeile::Art::Handzug, {}, {}, spalte};
    for (int k = 0; k < board::Feld::Spalten; ++k)
        zeile.brett[std::size_t(k)] = feld.wert(k);
    anfuegen(zeile);
}

void Suchprotokoll::null()
{
    anfuegen(Zeile{Zeile::Art::Null, {}, {}, 0});
}

void Suchprotokoll::durchlauf()
{
    m_summen = {};
    anfuegen(Zeile{Zeile::Art::Durchlauf, {}, {}, 0});
}

std::int64_t Suchprotokoll::schrittNummer(int zeile) const
{
    if (zeile < 0 || zeile >= int(m_zeilen.size()))
        return 0;
    const Zeile &z = m_zeilen[std::size_t(zeile)];
    return z.art == Zeile::Art::Schritt ? z.schritt.nummer : 0;
}

int Suchprotokoll::schritteDanach(int zeile) const
{
    if (schrittNummer(zeile) == 0)
        return -1;
    const auto danach = m_zeilen.begin() + zeile + 1;
    const bool nurSchritte = std::all_of(danach, m_zeilen.end(), [](const Zeile &z) { return z.art == Zeile::Art::Schritt; });
    return nurSchritte ? int(m_zeilen.end() - danach) : -1;
}

int Suchprotokoll::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_bekannt;
}

QVariant Suchprotokoll::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= std::min(m_bekannt, int(m_zeilen.size())) || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return text(m_zeilen[std::size_t(index.row())]);
}

QString Suchprotokoll::text(const Zeile &zeile)
{
    const auto feld = feldName;
    switch (zeile.art) {
    case Zeile::Art::Durchlauf:
        return QStringLiteral("Durchlauf beginnt");
    case Zeile::Art::Null:
        return QStringLiteral("Null, Brett geleert");
    case Zeile::Art::Handzug: {
        const int wert = zeile.brett[std::size_t(zeile.spalte)];
        return wert == 0 ? QStringLiteral("Von Hand Spalte %1 leer").arg(spaltenName(zeile.spalte))
                         : QStringLiteral("Von Hand ") + feld(zeile.spalte, wert);
    }
    case Zeile::Art::Schritt:
        break;
    }
    const board::Schritt &bericht = zeile.schritt;
    QStringList teile;
    for (int reihe = 1; reihe <= board::Feld::HoechsteReihe; ++reihe) {
        if (!bericht.abgelehnt(reihe))
            continue;
        const QStringList wer = damenNamen(bericht.bedroher[std::size_t(reihe - 1)],
                                           [&zeile](int k) { return zeile.brett[std::size_t(k)]; });
        teile << feld(bericht.spalte, reihe) + (teile.isEmpty() ? QStringLiteral(" bedroht von ") : QStringLiteral(" von "))
                     + wer.join(u' ');
    }
    if (bericht.reihe > 0)
        teile << feld(bericht.spalte, bericht.reihe) + QStringLiteral(" gesetzt");
    else
        teile << (bericht.ende ? QStringLiteral("geräumt, Suche beendet")
                               : QStringLiteral("geräumt, zurück zu ") + spaltenName(bericht.spalte - 1));
    if (bericht.loesung > 0)
        teile << QStringLiteral("Lösung %1").arg(bericht.loesung);
    // Indented by the column: the depth of the search. Commas, not colons:
    // Orca reads a colon out as a word.
    return QString(qsizetype{2} * bericht.spalte, u' ') + QStringLiteral("Schritt %1, Spalte %2, ").arg(bericht.nummer).arg(spaltenName(bericht.spalte))
           + teile.join(QStringLiteral(", "));
}

void Suchprotokoll::anfuegen(Zeile zeile)
{
    m_zeilen.push_back(zeile);
    if (m_zeilen.size() > Grenze) {
        m_zeilen.pop_front();
        m_neu = true;
    }
    vormerken();
}

void Suchprotokoll::vormerken()
{
    constexpr qint64 Abstand = 500;
    if (!m_bald.isActive())
        m_bald.start(m_seitZuletzt.isValid() ? int(std::max<qint64>(0, Abstand - m_seitZuletzt.elapsed())) : 0);
}

void Suchprotokoll::uebernehmen()
{
    m_seitZuletzt.start();
    const int anzahl = int(m_zeilen.size());
    if (m_neu) {
        beginResetModel();
        m_bekannt = anzahl;
        m_neu = false;
        endResetModel();
    } else if (anzahl > m_bekannt) {
        beginInsertRows({}, m_bekannt, anzahl - 1);
        m_bekannt = anzahl;
        endInsertRows();
    }
    emit geaendert();
}

} // namespace view
