// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schrittwahl.h"

#include "stellung.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Schrittwahl::Schrittwahl(QWidget &fenster, std::int64_t jetzt, std::int64_t letzter, Pruefung pruefen)
    : QDialog(&fenster)
    , m_letzter(letzter)
    , m_pruefen(std::move(pruefen))
{
    setObjectName(QStringLiteral("Schrittwahl"));
    setWindowTitle(QStringLiteral("Gehe zu Schritt – Acht Damen"));
    auto *spalte = new QVBoxLayout(this);
    auto *frage = new QLabel(QStringLiteral("Schritt (1 bis %1, jetzt %2):").arg(letzter).arg(jetzt));
    m_eingabe = new QLineEdit(QString::number(std::max<std::int64_t>(1, jetzt)));
    m_eingabe->setObjectName(QStringLiteral("Schrittnummer"));
    m_eingabe->selectAll();
    frage->setBuddy(m_eingabe);
    m_meldung = new QLabel;
    m_meldung->setObjectName(QStringLiteral("Meldung"));
    m_meldung->setWordWrap(true);
    m_meldung->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_meldung->hide();
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // In German whether or not Qt's own translation is installed.
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Gehe zu"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &Schrittwahl::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &Schrittwahl::reject);
    spalte->addWidget(frage);
    spalte->addWidget(m_eingabe);
    spalte->addWidget(m_meldung);
    spalte->addWidget(knoepfe);
    // A mended number makes the message old.
    connect(m_eingabe, &QLineEdit::textEdited, m_meldung, &QLabel::hide);
}

void Schrittwahl::accept()
{
    bool zahl = false;
    const std::int64_t schritt = m_eingabe->text().trimmed().toLongLong(&zahl);
    QString nicht;
    if (!zahl)
        nicht = QStringLiteral("Bitte eine Schrittnummer von 1 bis %1 eingeben").arg(m_letzter);
    else if (schritt < 1 || schritt > m_letzter)
        nicht = view::keinSolcherSchritt(schritt, m_letzter);
    else
        nicht = m_pruefen(schritt);
    if (nicht.isEmpty()) {
        QDialog::accept();
        emit gewaehlt(schritt);
        return;
    }
    m_meldung->setText(nicht);
    m_meldung->show();
    m_eingabe->selectAll();
    m_eingabe->setFocus();
    emit gemeldet(nicht);
}
