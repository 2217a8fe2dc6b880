// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchbaumansicht.h"

#include "anzeige.h"
#include "bildzeilen.h"
#include "namen.h"
#include "suchbaum.h"
#include "suchbaumbild.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QTreeView>
#include <QVBoxLayout>

#include <numeric>

namespace {

// A node's sign, told apart by shape: a solution a diamond, a dead end a
// cross, the path a square, a reached queen a dot, one ahead a ring.
enum class Zeichen { Loesung, Sackgasse, Weg, Erreicht, Voraus };

QPixmap zeichen(Zeichen art, bool blass)
{
    const qreal dpr = qApp->devicePixelRatio();
    const int seite = 12;
    QPixmap bild(QSize(seite, seite) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, seite - 3, seite - 3);
    const auto farbe = [blass](QColor voll) { return blass ? voll.lighter(170) : voll; };
    switch (art) {
    case Zeichen::Loesung: {
        const QPointF raute[] = {{r.center().x(), r.top()}, {r.right(), r.center().y()},
                                 {r.center().x(), r.bottom()}, {r.left(), r.center().y()}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(farbe(QColor(20, 120, 40)));
        painter.drawPolygon(raute, 4);
        break;
    }
    case Zeichen::Sackgasse:
        painter.setPen(QPen(farbe(QColor(190, 30, 30)), 2));
        painter.drawLine(r.topLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomLeft());
        break;
    case Zeichen::Weg:
        painter.setPen(QPen(QColor(8, 30, 70), 1));
        painter.setBrush(QColor(40, 90, 160));
        painter.drawRect(r);
        break;
    case Zeichen::Erreicht:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(96, 122, 156));
        painter.drawEllipse(r);
        break;
    case Zeichen::Voraus:
        painter.setPen(QPen(QColor(140, 140, 140), 1.5));
        painter.drawEllipse(r.adjusted(1, 1, -1, -1));
        break;
    }
    return bild;
}

QString anzahl(int n, const QString &einer, const QString &mehrere)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? einer : mehrere);
}


} // namespace

Suchbaummodell::Suchbaummodell(const view::Suchbaumstand &stand, QObject *parent)
    : QAbstractItemModel(parent)
    , m_stand(stand)
{
    neu();
    connect(&stand, &view::Suchbaumstand::neu, this, [this] {
        beginResetModel();
        neu();
        endResetModel();
    });
}

void Suchbaummodell::neu()
{
    const view::Suchbaum &baum = m_stand.baum();
    m_kinder.assign(baum.knoten().size(), {});
    m_zeile.assign(baum.knoten().size(), 0);
    for (std::size_t i = 0; i < baum.knoten().size(); ++i) {
        m_kinder[i] = baum.kinder(int(i));
        for (std::size_t z = 0; z < m_kinder[i].size(); ++z)
            m_zeile[std::size_t(m_kinder[i][z])] = int(z);
    }
}

void Suchbaummodell::aufgefrischt()
{
    // Only the lines' words and signs change as the search goes on.
    emit layoutChanged();
}

QModelIndex Suchbaummodell::zuKnoten(int knoten) const
{
    return knoten > 0 ? createIndex(m_zeile[std::size_t(knoten)], 0, quintptr(knoten)) : QModelIndex();
}

QModelIndex Suchbaummodell::index(int row, int column, const QModelIndex &parent) const
{
    const auto eltern = std::size_t(parent.isValid() ? parent.internalId() : 0);
    if (column != 0 || row < 0 || eltern >= m_kinder.size() || std::size_t(row) >= m_kinder[eltern].size())
        return {};
    return createIndex(row, 0, quintptr(m_kinder[eltern][std::size_t(row)]));
}

QModelIndex Suchbaummodell::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return zuKnoten(m_stand.baum().knoten()[child.internalId()].eltern);
}

int Suchbaummodell::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const auto knoten = std::size_t(parent.isValid() ? parent.internalId() : 0);
    return knoten < m_kinder.size() ? int(m_kinder[knoten].size()) : 0;
}

int Suchbaummodell::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant Suchbaummodell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QStringLiteral("Suchbaum");
    return {};
}

Suchbaummodell::Zustand Suchbaummodell::zustand(int knoten) const
{
    const view::Suchbaum &baum = m_stand.baum();
    const int k = m_stand.schritt();
    if (!baum.erreicht(knoten, k))
        return Voraus;
    for (int i = baum.tiefster(k); i > 0; i = baum.knoten()[std::size_t(i)].eltern) {
        if (i == knoten)
            return AufDemWeg;
    }
    return Erreicht;
}

QVariant Suchbaummodell::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int knoten = int(index.internalId());
    const view::Suchbaum &baum = m_stand.baum();
    const view::Suchbaum::Knoten &k = baum.knoten()[std::size_t(knoten)];
    switch (role) {
    case Qt::DisplayRole: {
        QStringList teile{baum.name(knoten)};
        if (k.loesung > 0)
            teile << QStringLiteral("Lösung %1").arg(k.loesung);
        // A dead end shows once found, or faint, as what lies ahead.
        if (k.sackgasse && (m_stand.schritt() >= k.ende || zustand(knoten) == Voraus))
            teile << QStringLiteral("Sackgasse");
        // What lies under a node off the path, folded, in numbers.
        if (k.groesse > 1 && zustand(knoten) != AufDemWeg)
            teile << anzahl(k.groesse - 1, QStringLiteral("gesetzt"), QStringLiteral("gesetzt"))
                  << anzahl(k.sackgassen, QStringLiteral("Sackgasse"), QStringLiteral("Sackgassen"))
                  << anzahl(k.loesungen, QStringLiteral("Lösung"), QStringLiteral("Lösungen"));
        return teile.join(QStringLiteral(", "));
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return baum.beschreibung(knoten);
    case Qt::DecorationRole: {
        const Zustand z = zustand(knoten);
        const bool blass = z == Voraus;
        static const QPixmap zeichen_[] = {
            zeichen(Zeichen::Loesung, false), zeichen(Zeichen::Loesung, true), zeichen(Zeichen::Sackgasse, false),
            zeichen(Zeichen::Sackgasse, true), zeichen(Zeichen::Weg, false), zeichen(Zeichen::Erreicht, false),
            zeichen(Zeichen::Voraus, true)};
        if (k.loesung > 0)
            return zeichen_[blass ? 1 : 0];
        if (k.sackgasse && (m_stand.schritt() >= k.ende || blass))
            return zeichen_[blass ? 3 : 2];
        return zeichen_[z == AufDemWeg ? 4 : z == Erreicht ? 5 : 6];
    }
    case Qt::FontRole: {
        if (zustand(knoten) != AufDemWeg)
            return {};
        QFont fett = QGuiApplication::font();
        fett.setBold(true);
        return fett;
    }
    case Qt::ForegroundRole: {
        if (zustand(knoten) != Voraus)
            return {};
        // Faint: halfway from the text to its ground, light or dark.
        const QPalette palette = QGuiApplication::palette();
        const QColor text = palette.color(QPalette::Text);
        const QColor grund = palette.color(QPalette::Base);
        return QColor((text.red() + grund.red()) / 2, (text.green() + grund.green()) / 2,
                      (text.blue() + grund.blue()) / 2);
    }
    case KnotenRolle:
        return knoten;
    case ZustandRolle:
        return zustand(knoten);
    default:
        return {};
    }
}

Suchbaumansicht::Suchbaumansicht(const view::Suchverlauf &verlauf, view::Anzeige &anzeige, QWidget *parent)
    : QWidget(parent)
    , m_anzeige(anzeige)
    , m_stand(new view::Suchbaumstand(verlauf, this))
{
    setObjectName(QStringLiteral("Suchbaum"));
    m_modell = new Suchbaummodell(*m_stand, this);
    m_bild = new view::Suchbaumbild(this);
    m_umriss = new QTreeView(this);
    m_umriss->setObjectName(QStringLiteral("Baumzeilen"));
    m_umriss->setAccessibleName(QStringLiteral("Suchbaum"));
    m_umriss->setHeaderHidden(true);
    m_umriss->setUniformRowHeights(true);
    m_umriss->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_umriss->setModel(m_modell);
    m_umriss->setItemDelegate(new Bildzeilen(m_umriss));

    auto *spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(0, 0, 0, 0);
    spalten->addWidget(m_bild, 3);
    spalten->addWidget(m_umriss, 2);

    m_bald.setSingleShot(true);
    connect(&m_bald, &QTimer::timeout, this, &Suchbaumansicht::folgen);
    connect(m_stand, &view::Suchbaumstand::neu, this, [this] {
        m_gezeigt = m_stand->schritt();
        m_bild->neu(m_stand->baum(), m_stand->schritt());
        m_geoeffnet.clear();
        folgen();
    });
    connect(m_stand, &view::Suchbaumstand::weiter, this, [this] {
        m_anzeige.aenderung(this, [this] {
            const int vorher = m_gezeigt;
            m_gezeigt = m_stand->schritt();
            m_bild->weiter(m_gezeigt);
            // The lines whose state changed: the nodes that joined or left
            // the path, and those set or taken back between.
            const view::Suchbaum &baum = m_stand->baum();
            std::set<int> geaendert;
            for (const int k : {vorher, m_gezeigt}) {
                for (const int knoten : baum.pfad(std::min(k, baum.ende())))
                    geaendert.insert(knoten);
            }
            for (int k = std::min(vorher, m_gezeigt) + 1; k <= std::max(vorher, m_gezeigt) && k <= baum.ende(); ++k)
                geaendert.insert(baum.tiefster(k));
            m_umriss->viewport()->update(
                std::accumulate(geaendert.begin(), geaendert.end(), QRegion(), [this](QRegion zeilen, int knoten) {
                    return zeilen += m_umriss->visualRect(m_modell->zuKnoten(knoten));
                }));
            if (!m_laeuft)
                folgen();
            else if (!m_bald.isActive())
                m_bald.start(500);
        });
    });
    connect(m_bild, &view::Suchbaumbild::gewaehlt, this, &Suchbaumansicht::waehle);
    connect(m_umriss, &QTreeView::activated, this,
            [this](const QModelIndex &index) { waehle(index.data(Suchbaummodell::KnotenRolle).toInt()); });
    m_bild->neu(m_stand->baum(), m_stand->schritt());
    folgen();
}

void Suchbaumansicht::setzeLauf(bool laeuft)
{
    if (std::exchange(m_laeuft, laeuft) == laeuft)
        return;
    if (!laeuft) {
        m_modell->aufgefrischt();
        folgen();
    }
}

void Suchbaumansicht::waehle(int knoten)
{
    const view::Suchbaum &baum = m_stand->baum();
    const view::Suchbaum::Knoten &k = baum.knoten()[std::size_t(knoten)];
    if (k.schritt == 0) {
        emit abgelehnt(baum.name(knoten) + QStringLiteral(" stand schon, als die Suche hier begann"));
        return;
    }
    emit geheZu(baum.basis() + k.schritt);
}

void Suchbaumansicht::folgen()
{
    const view::Suchbaum &baum = m_stand->baum();
    const std::vector<int> pfad = baum.pfad(m_stand->schritt());
    const std::set<int> aufDemWeg(pfad.begin(), pfad.end());
    for (auto i = m_geoeffnet.begin(); i != m_geoeffnet.end();) {
        if (aufDemWeg.count(*i)) {
            ++i;
            continue;
        }
        m_umriss->collapse(m_modell->zuKnoten(*i));
        i = m_geoeffnet.erase(i);
    }
    for (const int knoten : pfad) {
        if (m_geoeffnet.insert(knoten).second)
            m_umriss->expand(m_modell->zuKnoten(knoten));
    }
    if (pfad.empty()) {
        if (!m_laeuft)
            m_bild->setAccessibleDescription(m_bild->inWorten());
        return;
    }
    const QModelIndex hier = m_modell->zuKnoten(pfad.back());
    m_umriss->scrollTo(hier);
    // The keyboard's line, and the picture's words, follow the search only
    // where screen readers may hear of them.
    if (!m_laeuft) {
        m_umriss->setCurrentIndex(hier);
        m_bild->setAccessibleDescription(m_bild->inWorten());
    }
}
