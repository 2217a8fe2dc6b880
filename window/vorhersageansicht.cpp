// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vorhersageansicht.h"

#include "vorhersagen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString KeineFrage = QStringLiteral("Vor jedem Einzelschritt: wohin setzt er die Dame? Antworten Sie mit einem "
                                          "Feld der Spalte, dem Pfeil oben für „keine Reihe frei, zurück“ oder den "
                                          "Tasten 1 bis 8 und Rücktaste.");

} // namespace

Vorhersageansicht::Vorhersageansicht(Vorhersagen &vorhersagen, QWidget *parent)
    : QWidget(parent)
    , m_vorhersagen(vorhersagen)
{
    setObjectName(QStringLiteral("Vorhersageansicht"));
    m_frage = new QLabel(KeineFrage);
    m_frage->setObjectName(QStringLiteral("Frage"));
    m_frage->setWordWrap(true);
    auto *knoepfe = new QGridLayout;
    knoepfe->setSpacing(2);
    // Eight to a row in a narrow window: as wide as their names need.
    const int breite = fontMetrics().horizontalAdvance(QStringLiteral("h8")) + fontMetrics().height();
    for (std::size_t i = 0; i < m_reihen.size(); ++i) {
        auto *knopf = new QPushButton(QString::number(i + 1));
        knopf->setObjectName(QStringLiteral("Tipp%1").arg(i + 1));
        knopf->setMinimumWidth(breite);
        connect(knopf, &QPushButton::clicked, this, [this, i] { m_vorhersagen.antworte(int(i) + 1); });
        knoepfe->addWidget(knopf, 0, int(i));
        m_reihen[i] = knopf;
    }
    auto *zurueck = new QPushButton(QStringLiteral("keine Reihe frei, zurück"));
    zurueck->setObjectName(QStringLiteral("TippZurueck"));
    zurueck->setMinimumWidth(breite);
    connect(zurueck, &QPushButton::clicked, this, [this] { m_vorhersagen.antworte(view::Vorhersage::Zurueck); });
    auto *ueberspringen = new QPushButton(QStringLiteral("Überspringen"));
    ueberspringen->setObjectName(QStringLiteral("Ueberspringen"));
    ueberspringen->setMinimumWidth(breite);
    connect(ueberspringen, &QPushButton::clicked, &m_vorhersagen, &Vorhersagen::ueberspringen);
    knoepfe->addWidget(zurueck, 1, 0, 1, 5);
    knoepfe->addWidget(ueberspringen, 1, 5, 1, 3);
    m_urteil = new QLabel;
    m_urteil->setObjectName(QStringLiteral("Urteil"));
    m_urteil->setWordWrap(true);
    m_urteil->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stand = new QLabel;
    m_stand->setObjectName(QStringLiteral("Stand"));
    auto *sagen = new QPushButton(QStringLiteral("&Stand ansagen"));
    sagen->setObjectName(QStringLiteral("StandAnsagen"));
    connect(sagen, &QPushButton::clicked, &m_vorhersagen, &Vorhersagen::sageStand);
    auto *unten = new QHBoxLayout;
    unten->addWidget(m_stand, 1);
    unten->addWidget(sagen);

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(m_frage);
    spalte->addLayout(knoepfe);
    spalte->addWidget(m_urteil);
    spalte->addLayout(unten);

    connect(&vorhersagen, &Vorhersagen::gefragt, this, &Vorhersageansicht::zeigeFrage);
    connect(&vorhersagen, &Vorhersagen::geurteilt, m_urteil, &QLabel::setText);
    const auto zeigeStand = [this] {
        m_stand->setText(m_vorhersagen.stand().stand());
        if (m_vorhersagen.stand().gefragt() == 0)
            m_urteil->clear();
    };
    connect(&vorhersagen, &Vorhersagen::standGeaendert, this, zeigeStand);
    zeigeStand();
    zeigeFrage(vorhersagen.spalte());
}

void Vorhersageansicht::zeigeFrage(int spalte)
{
    // The buttons stay on, and keep their names until the next question:
    // a screen reader told of each button that changes, and of the focus
    // wandering from each one turned off, would drop the verdict that
    // follows. Without a question they do nothing.
    if (spalte < 0) {
        m_frage->setText(KeineFrage);
        return;
    }
    m_frage->setText(view::Vorhersage::frage(spalte));
    for (std::size_t i = 0; i < m_reihen.size(); ++i)
        m_reihen[i]->setText(view::Vorhersage::tippName(spalte, int(i) + 1));
    // A new question makes the last verdict old.
    m_urteil->clear();
}
