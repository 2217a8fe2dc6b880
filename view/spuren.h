// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "feldaufbauen.h"
#include "host.h"
#include "namen.h"
#include "suchverlauf.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

class QPainter;

namespace board {
class Feld;
}

namespace view {

class Anzeige;

// Marks in the board's cells that show what the search did and why: the
// column a step worked on, each row it tried there and found attacked with
// the queens that ruled it out named in its cell, the queen it kept, the
// way that queen came from the row it stood on before (or, where the step
// left the column empty, a sign that the search goes back), the queens that
// attack the last row it tried, and the column the next step works on; at
// a solution, its eight queens; after a hand move that is attacked, the
// moved queen (ringed) and its attackers. Every marked cell says in its
// tooltip, which is also its accessible description, what its marks mean.
// The marks are drawn over the cells in fixed colours that stand out from
// both greys by at least 3:1, beside the "X", which keeps its contrast, and
// differ by shape, not by colour alone. Like everything the search shows,
// they change with the frame of the step they belong to.
class Spuren : public QObject
{
public:
    enum Marke : std::uint16_t {
        Spalte = 1,      // the column a step worked on
        Versuch = 2,     // a row tried there and found attacked
        Gesetzt = 4,     // the queen the step kept
        Bedroher = 8,    // a queen that attacks the row or the queen in question
        Bedroht = 16,    // the queen moved by hand, attacked
        Naechste = 32,   // the column the next step works on
        Pfeil = 64,      // its top cell, with an arrow into it
        Vorher = 128,    // where the step's queen stood before it
        Weg = 256,       // the way up from there, to the queen or off the board
        Zurueck = 512,   // the top cell of a column the step left empty
        Loesung = 1024,  // a queen of the solution the step found
        Frage = 2048,    // a cell of the column a guess is asked for
        FrageZurueck = 4096, // its top cell, with the arrow for "keine Reihe frei"
    };
    using Marken = std::array<std::uint16_t, ZellIndizes>;

    // What the marks tell of, with the board they were made on: a step, a
    // hand move, or only where the next step works.
    struct Anlass
    {
        enum class Art : std::uint8_t { Keine, Schritt, Handzug };
        Art art = Art::Keine;
        board::Schritt schritt;
        Brett brett{};
        int handzug = -1;
        int naechste = -1;
        // The column a guess of the next step is asked for, -1 for none.
        int frage = -1;
        bool operator==(const Anlass &) const = default;
    };

    // The marks of an occasion, the attackers named in each tried cell and
    // what each marked cell means.
    struct Bild
    {
        Marken marken{};
        std::array<QString, ZellIndizes> namen;
        std::array<QString, ZellIndizes> bedeutung;
    };
    // Without `bedeutungen`, what the cells mean stays unworded.
    static Bild bild(const Anlass &anlass, bool bedeutungen = true);

    // The marks of the newest entry in a search's record; `naechste` is the
    // column the next step works on, -1 once the search has finished.
    static Anlass anlass(const Suchverlauf::Eintrag *letzter, int naechste);

    // Follows `verlauf`: while on, the cells show the marks of its newest
    // entry, in the frame of that entry.
    Spuren(Anzeige &anzeige, const Zellen &txtFeld, const Suchverlauf &verlauf);
    ~Spuren() override;

    bool an() const { return m_an; }
    void setzeAn(bool an);
    // The column a guess is asked for, marked whether or not the marks are
    // on; -1 for none.
    void setzeFrage(int spalte);
    // The part of a top cell that, while a guess is asked for, stands for
    // "keine Reihe frei, zurück".
    static QRectF zurueckFeld(const QRectF &zelle);

    // The marks as the cells show them now, and what the next frame shows.
    const Marken &gezeigt() const { return m_gezeigt.marken; }
    const Anlass &soll() const { return m_soll; }
    // Whether the cells' tooltips say what their marks mean. A run that
    // goes on changes them at every frame, where nobody reads them: off
    // meanwhile, the cells keep the board's tooltip.
    void erklaeren(bool an);
    // What a cell's marks mean, as its tooltip says; empty where unmarked.
    QString bedeutung(int index) const { return m_gezeigt.bedeutung[static_cast<std::size_t>(index)]; }

    static void zeichne(QPainter &painter, const QRectF &zelle, std::uint16_t marken, const QString &namen = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Blatt;
    // While the marks are on, one sheet over the board draws every cell
    // but those that draw themselves, in one painting per frame: a step
    // changes the marks of some twenty cells, each a widget of its own.
    void blattMalen(QWidget &blatt, const QRegion &region);
    void blattLochen();
    // The cell at `index` changed beneath it.
    void blattNachziehen(std::size_t index);
    // A cell as it shows now, from pictures of the whole cell with its
    // marks; its marks alone. The attackers' names are laid over either
    // where it is drawn: their sets come new at almost every step, where
    // the kinds of marked cells are few.
    QPixmap zellbild(QLineEdit &widget, std::size_t index);
    const QPixmap &markenbild(const QWidget &widget, std::size_t index);
    void namenMalen(QPainter &painter, const QRect &zelle, std::size_t index);
    // The marks without the attackers' names, and the names, which
    // `namen` says the marks leave room for.
    static void zeichneMarken(QPainter &painter, const QRectF &zelle, std::uint16_t marken, bool namen);
    static void zeichneNamen(QPainter &painter, const QRectF &zelle, const QString &namen);
    // The same, from pictures of the single names.
    void setzeNamen(QPainter &painter, const QRectF &zelle, const QString &namen);
    void folgen();
    void zeige(const Anlass &anlass);
    void anwenden(const Anlass &anlass);
    static void grundLegen(QLineEdit &zelle);
    void erklaere(std::size_t index, const QString &bedeutung);

    Anzeige &m_anzeige;
    const Zellen &m_txtFeld;
    const Suchverlauf &m_verlauf;
    bool m_an = false;
    int m_frage = -1;
    Anlass m_soll;
    Bild m_gezeigt;
    // What the cells show, unworded where no tooltip explains.
    Anlass m_angewandt;
    // The marks of each kind of cell, as drawn.
    QHash<quint64, QPixmap> m_bilder;
    // Whole cells, marked, as drawn.
    struct Zellschluessel
    {
        quint64 art;
        QString text;
        QRgb grund;
        bool operator==(const Zellschluessel &) const = default;
        friend size_t qHash(const Zellschluessel &k, size_t seed = 0)
        {
            return qHashMulti(seed, k.art, k.text, k.grund);
        }
    };
    QHash<Zellschluessel, QPixmap> m_zellen;
    std::unique_ptr<QLineEdit> m_zwilling;
    QPointer<QWidget> m_blatt;
    // The cells beneath it, without the gaps between them.
    QRegion m_zellflaeche;
    // The cells that show through holes in it, drawing themselves.
    std::array<bool, ZellIndizes> m_imLoch{};
    struct Namensbild
    {
        QPixmap bild;
        qreal breite = 0;
    };
    QHash<QString, Namensbild> m_namenBilder;
    std::pair<int, qreal> m_namenGroesse{0, 0};
    qreal m_namenLeer = 0;
    bool m_erklaeren = true;
};

} // namespace view
