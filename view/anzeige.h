// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QAbstractSlider;
class QLineEdit;

namespace view {

// What the window shows of the board and the search. While held, writes
// are only noted, the latest per control, and reach the controls when
// shown: a search brings the screen up to date once per frame, so the rows
// it probes in between cost no widget updates, and each frame shows one
// moment of the search. Unheld, every write goes straight to its control.
class Anzeige
{
public:
    void text(QLineEdit &feld, const QString &text);
    // Moves a slider without reporting it as the user's move.
    void position(QAbstractSlider &regler, int position);
    // Any other change of what is shown: made now, or with what is held;
    // of the changes one `wer` asks for, only the latest.
    void aenderung(const void *wer, std::function<void()> aendern);

    // The field's text as the next frame shows it.
    QString text(const QLineEdit &feld) const;

    // Holding nests; the last release shows what was held.
    void festhalten();
    void freigeben();
    // Shows what is held and goes on holding.
    void zeigen();

private:
    int m_tiefe = 0;
    std::vector<std::pair<QLineEdit *, QString>> m_texte;
    std::vector<std::pair<QAbstractSlider *, int>> m_positionen;
    std::vector<std::pair<const void *, std::function<void()>>> m_aenderungen;
};

class Suchverlauf;

// The verdict and the two counters beside the board, written through the
// display. What they showed before each step is kept in the search's
// record, and shown again when the step is taken back.
class Nebenanzeige : public QObject
{
public:
    Nebenanzeige(Anzeige &anzeige, QLineEdit &urteil, QLineEdit &loesungen, QLineEdit &schritte,
                 Suchverlauf &verlauf);
    ~Nebenanzeige() override;

    void schritte(std::int64_t schritte);
    // Empty where the count is cleared.
    void loesungen(const QString &text);

private:
    Anzeige &m_anzeige;
    Suchverlauf &m_verlauf;
    std::array<QLineEdit *, 3> m_felder;
};

} // namespace view
