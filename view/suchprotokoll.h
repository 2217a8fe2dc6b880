// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "suchverlauf.h"

#include <QAbstractListModel>
#include <QCache>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <deque>

namespace view {

// The record of the search as lines, one per entry: each step's line names
// every row it tried with the queens that ruled it out and what it did. A
// line is made from its entry when shown. New lines reach views at once
// where none came in the last half second, else with the next half second,
// so that a paced run does not repaint the list at every step; what was
// taken back goes at once. A row keeps naming the entry it showed until
// views learn otherwise, whatever the record has dropped or added since.
class Suchprotokoll : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit Suchprotokoll(const Suchverlauf &verlauf, QObject *parent = nullptr);

    static QString text(const Suchverlauf::Eintrag &eintrag);

    // The entry a row shows; 0 where it is no longer kept.
    std::uint64_t id(int zeile) const;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // The rows have caught up with the record.
    void geaendert();

private:
    void vormerken();
    void uebernehmen();

    const Suchverlauf &m_verlauf;
    QTimer m_bald;
    QElapsedTimer m_seitZuletzt;
    // The entries the rows show, oldest first.
    std::deque<std::uint64_t> m_ids;
    // The lines as worded, by entry.
    mutable QCache<std::uint64_t, QString> m_texte{2048};
};

} // namespace view
