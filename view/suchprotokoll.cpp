// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchprotokoll.h"

#include "stellung.h"

#include <algorithm>
#include <iterator>

namespace view {

Suchprotokoll::Suchprotokoll(const Suchverlauf &verlauf, QObject *parent)
    : QAbstractListModel(parent)
    , m_verlauf(verlauf)
{
    std::transform(verlauf.eintraege().begin(), verlauf.eintraege().end(), std::back_inserter(m_ids),
                   [](const Suchverlauf::Eintrag &eintrag) { return eintrag.id; });
    m_bald.setSingleShot(true);
    connect(&m_bald, &QTimer::timeout, this, &Suchprotokoll::uebernehmen);
    connect(&verlauf, &Suchverlauf::angefuegt, this, &Suchprotokoll::vormerken);
    // A line taken back goes at once, once for a whole walk back.
    connect(&verlauf, &Suchverlauf::zurueckgenommen, this, [this] { m_bald.start(0); });
    connect(&verlauf, &Suchverlauf::jetzt, this, &Suchprotokoll::uebernehmen);
    connect(&verlauf, &Suchverlauf::begonnen, this, &Suchprotokoll::uebernehmen);
    // The question's answer completes a step's entry.
    connect(&verlauf, &Suchverlauf::schrittBeendet, this,
            [this](const Suchverlauf::Eintrag &eintrag) { m_texte.remove(eintrag.id); });
}

QString Suchprotokoll::text(const Suchverlauf::Eintrag &eintrag)
{
    using Art = Suchverlauf::Eintrag::Art;
    switch (eintrag.art) {
    case Art::Durchlauf:
        return QStringLiteral("Durchlauf beginnt");
    case Art::Null:
        return QStringLiteral("Null, Brett geleert");
    case Art::Handzug: {
        const int wert = eintrag.brett[std::size_t(eintrag.spalte)];
        return wert == 0 ? QStringLiteral("Von Hand Spalte %1 leer").arg(spaltenName(eintrag.spalte))
                         : QStringLiteral("Von Hand ") + feldName(eintrag.spalte, wert);
    }
    case Art::Schritt:
        break;
    }
    // The outcome first, where a narrow window still shows it; then the
    // solution, or the rows found attacked with the queens that ruled them
    // out. Indented by the column: the depth of the search.
    const board::Schritt &schritt = eintrag.schritt;
    QString zeile = QString(qsizetype{2} * schritt.spalte, u' ')
                    + QStringLiteral("Schritt %1, %2: ").arg(schritt.nummer).arg(spaltenName(schritt.spalte))
                    + ausgang(schritt, true);
    if (schritt.loesung > 0)
        return zeile + QStringLiteral(" – Lösung %1: ").arg(schritt.loesung) + kurzeStellung(eintrag.brett);
    QStringList reihen;
    for (int reihe = 1; reihe <= board::Feld::HoechsteReihe; ++reihe) {
        if (schritt.abgelehnt(reihe))
            reihen << feldName(schritt.spalte, reihe) + u' '
                          + damenNamen(schritt.bedroher[std::size_t(reihe - 1)], eintrag.brett).join(u' ');
    }
    return reihen.isEmpty() ? zeile : zeile + QStringLiteral(" – ") + reihen.join(QStringLiteral(", "));
}

std::uint64_t Suchprotokoll::id(int zeile) const
{
    return zeile >= 0 && std::size_t(zeile) < m_ids.size() ? m_ids[std::size_t(zeile)] : 0;
}

int Suchprotokoll::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

QVariant Suchprotokoll::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    // Worded once: a list repaints its rows again and again.
    const std::uint64_t zeile = id(index.row());
    if (const QString *gemerkt = m_texte.object(zeile))
        return *gemerkt;
    const Suchverlauf::Eintrag *eintrag = m_verlauf.finde(zeile);
    if (!eintrag)
        return {};
    const QString neu = text(*eintrag);
    m_texte.insert(zeile, new QString(neu));
    return neu;
}

void Suchprotokoll::vormerken()
{
    constexpr qint64 Abstand = 500;
    if (!m_bald.isActive())
        m_bald.start(m_seitZuletzt.isValid() ? int(std::max<qint64>(0, Abstand - m_seitZuletzt.elapsed())) : 0);
}

void Suchprotokoll::uebernehmen()
{
    m_bald.stop();
    m_seitZuletzt.start();
    const std::deque<Suchverlauf::Eintrag> &eintraege = m_verlauf.eintraege();
    // The oldest, dropped since.
    const auto erste = eintraege.empty() ? UINT64_MAX : eintraege.front().id;
    const auto vorn = std::size_t(std::find_if(m_ids.begin(), m_ids.end(), [erste](std::uint64_t id) { return id >= erste; })
                                  - m_ids.begin());
    if (vorn > 0) {
        beginRemoveRows({}, 0, int(vorn) - 1);
        m_ids.erase(m_ids.begin(), m_ids.begin() + qsizetype(vorn));
        endRemoveRows();
    }
    // What is left begins with the record's oldest entry; behind the newest
    // entry both still share come those taken back, then those made since.
    std::size_t gleich = std::min(m_ids.size(), eintraege.size());
    while (gleich > 0 && m_ids[gleich - 1] != eintraege[gleich - 1].id)
        --gleich;
    if (gleich < m_ids.size()) {
        beginRemoveRows({}, int(gleich), int(m_ids.size()) - 1);
        m_ids.resize(gleich);
        endRemoveRows();
    }
    if (eintraege.size() > gleich) {
        beginInsertRows({}, int(gleich), int(eintraege.size()) - 1);
        for (std::size_t i = gleich; i < eintraege.size(); ++i)
            m_ids.push_back(eintraege[i].id);
        endInsertRows();
    }
    emit geaendert();
}

} // namespace view
