// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anzeige.h"

#include "suchverlauf.h"

#include <QAbstractSlider>
#include <QLineEdit>
#include <QSignalBlocker>

#include <utility>

namespace view {

namespace {

// Rewriting what is shown already would only repaint the control and tell
// assistive technology of a change that is none.
void schreibe(QLineEdit &feld, const QString &text)
{
    if (feld.text() != text)
        feld.setText(text);
}

void schiebe(QAbstractSlider &regler, int position)
{
    const QSignalBlocker blocker(regler);
    regler.setValue(position);
}

template<typename Ziel, typename Wert>
void vormerken(std::vector<std::pair<Ziel *, Wert>> &liste, Ziel *ziel, Wert wert)
{
    for (auto &[vorgemerkt, neuerWert] : liste) {
        if (vorgemerkt == ziel) {
            neuerWert = std::move(wert);
            return;
        }
    }
    liste.emplace_back(ziel, std::move(wert));
}

} // namespace

void Anzeige::text(QLineEdit &feld, const QString &text)
{
    if (m_tiefe == 0)
        schreibe(feld, text);
    else
        vormerken(m_texte, &feld, text);
}

void Anzeige::position(QAbstractSlider &regler, int position)
{
    if (m_tiefe == 0)
        schiebe(regler, position);
    else
        vormerken(m_positionen, &regler, position);
}

void Anzeige::aenderung(const void *wer, std::function<void()> aendern)
{
    if (m_tiefe == 0)
        aendern();
    else
        vormerken(m_aenderungen, wer, std::move(aendern));
}

QString Anzeige::text(const QLineEdit &feld) const
{
    for (const auto &[vorgemerkt, gemerkt] : m_texte) {
        if (vorgemerkt == &feld)
            return gemerkt;
    }
    return feld.text();
}

void Anzeige::festhalten()
{
    ++m_tiefe;
}

void Anzeige::freigeben()
{
    --m_tiefe;
    zeigen();
}

void Anzeige::zeigen()
{
    for (const auto &[regler, wert] : std::exchange(m_positionen, {}))
        schiebe(*regler, wert);
    for (const auto &[feld, neuerText] : std::exchange(m_texte, {}))
        schreibe(*feld, neuerText);
    for (const auto &[wer, aendern] : std::exchange(m_aenderungen, {}))
        aendern();
}

Nebenanzeige::Nebenanzeige(Anzeige &anzeige, QLineEdit &urteil, QLineEdit &loesungen, QLineEdit &schritte,
                           Suchverlauf &verlauf)
    : m_anzeige(anzeige)
    , m_verlauf(verlauf)
    , m_felder{&urteil, &loesungen, &schritte}
{
    // As the next frame would show them.
    verlauf.setzeAnsicht([this] {
        Suchverlauf::Ansicht ansicht;
        for (std::size_t i = 0; i < m_felder.size(); ++i)
            ansicht[i] = m_anzeige.text(*m_felder[i]);
        return ansicht;
    });
    connect(&verlauf, &Suchverlauf::zurueckgenommen, this, [this](const Suchverlauf::Eintrag &eintrag) {
        for (std::size_t i = 0; i < m_felder.size(); ++i)
            m_anzeige.text(*m_felder[i], eintrag.davor[i]);
    });
    // Begun anew, the fields are empty, as at the start.
    connect(&verlauf, &Suchverlauf::begonnen, this, [this] {
        for (QLineEdit *feld : m_felder)
            m_anzeige.text(*feld, QString());
    });
}

Nebenanzeige::~Nebenanzeige()
{
    m_verlauf.setzeAnsicht({});
}

void Nebenanzeige::schritte(std::int64_t schritte)
{
    m_anzeige.text(*m_felder[2], QString::number(schritte));
}

void Nebenanzeige::loesungen(const QString &text)
{
    m_anzeige.text(*m_felder[1], text);
}

} // namespace view
