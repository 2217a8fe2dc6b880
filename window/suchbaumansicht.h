// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractItemModel>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <set>
#include <vector>

class QTreeView;

namespace view {
class Anzeige;
class Suchbaumbild;
class Suchbaumstand;
class Suchverlauf;
}

// The search tree as an outline: each node a line ("f3"), under the queen
// of the column before; what the search has left for good, and what lies
// ahead, folded with the counts of what lies under it. Each line says,
// as its tooltip and to screen readers, where its queen stands and what
// lies under it.
class Suchbaummodell : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Rolle { KnotenRolle = Qt::UserRole, ZustandRolle };
    enum Zustand { Voraus, Erreicht, AufDemWeg };

    explicit Suchbaummodell(const view::Suchbaumstand &stand, QObject *parent = nullptr);

    QModelIndex zuKnoten(int knoten) const;
    // Screen readers hear of the lines again, as they now read.
    void aufgefrischt();

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Hidden on screen, the column's title is still what screen readers
    // name the column by.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void neu();
    Zustand zustand(int knoten) const;

    const view::Suchbaumstand &m_stand;
    std::vector<std::vector<int>> m_kinder;
    std::vector<int> m_zeile;
};

// "Suchbaum": the whole search from the board it starts on, as a picture
// (with the path and the counts per column under it) and as an outline, in
// step with the board. A click on the picture, or Enter on a line,
// goes to the step that set that queen. Each step shows with the window's
// frames. While a run goes on the outline
// follows the path at most twice a second, and tells screen readers
// nothing new before the run is held or has ended.
class Suchbaumansicht : public QWidget
{
    Q_OBJECT

public:
    Suchbaumansicht(const view::Suchverlauf &verlauf, view::Anzeige &anzeige, QWidget *parent = nullptr);

    // Whether a run goes on.
    void setzeLauf(bool laeuft);
    const view::Suchbaumstand &stand() const { return *m_stand; }

signals:
    // The user asks to go to the end of this step.
    void geheZu(std::int64_t schritt);
    // A node's step cannot be reached: it stood before the tree began.
    void abgelehnt(const QString &text);

private:
    void waehle(int knoten);
    void folgen();

    view::Anzeige &m_anzeige;
    view::Suchbaumstand *m_stand = nullptr;
    Suchbaummodell *m_modell = nullptr;
    view::Suchbaumbild *m_bild = nullptr;
    QTreeView *m_umriss = nullptr;
    QTimer m_bald;
    bool m_laeuft = false;
    // The step the outline shows.
    int m_gezeigt = 0;
    // The nodes the outline opened to show the path.
    std::set<int> m_geoeffnet;
};
