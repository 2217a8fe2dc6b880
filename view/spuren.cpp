// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spuren.h"

#include "anzeige.h"
#include "feld.h"
#include "host.h"
#include "stellung.h"
#include "suchverlauf.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>
#include <cmath>

namespace view {

namespace {

// The attackers' names in a cell of side `a`: the program's sans serif,
// bold, looked up once for each size, since a frame paints dozens.
std::pair<const QFont &, const QFontMetricsF &> namenSchrift(qreal a)
{
    static QFont schrift = [] {
        QFont f = QGuiApplication::font();
        f.setBold(true);
        return f;
    }();
    static std::optional<QFontMetricsF> metrik;
    if (const int pixel = std::max(9, qRound(a * 0.25)); !metrik || schrift.pixelSize() != pixel) {
        schrift.setPixelSize(pixel);
        metrik.emplace(schrift);
    }
    return {schrift, *metrik};
}

// The cell with the keyboard draws itself, with its cursor and selection,
// also while a menu or another window has the keyboard for a while.
bool mitTastatur(const QWidget &zelle)
{
    return zelle.window()->focusWidget() == &zelle;
}

// So does a cell with a text longer than itself: which part of it shows
// only the cell knows, from how the cursor went.
bool zeichnetSelbst(const QLineEdit &zelle)
{
    return mitTastatur(zelle)
           || (zelle.text().size() > 1
               && QFontMetricsF(zelle.font()).horizontalAdvance(zelle.text()) > zelle.width() / 2.0);
}

// Darker than both squares by at least 3:1, so each mark tells at a glance.
const QColor Rot{170, 0, 0};
const QColor Gruen{0, 100, 0};
const QColor Blau{0, 0, 160};
const QColor Grau{90, 90, 90};
const QColor Gold{130, 75, 0};
const QColor Lila{110, 0, 140};

// Marks and meanings, cell by cell, of the board an occasion tells of.
// The meanings are worded only where asked for: a run shows marks at
// every step, and no tooltip.
class Maler
{
public:
    Maler(Spuren::Bild &bild, const Spuren::Anlass &anlass, bool bedeutungen)
        : m_bild(bild)
        , m_brett(anlass.brett)
        , m_mitBedeutungen(bedeutungen)
    {
    }

    bool mitBedeutungen() const { return m_mitBedeutungen; }

    int wert(int spalte) const { return m_brett[static_cast<std::size_t>(spalte)]; }
    QString feld(int spalte, int zeile) const { return feldName(spalte, zeile); }
    QString dame(int spalte) const { return feld(spalte, wert(spalte)); }

    // `bedeutung` words what the mark means.
    template<typename Bedeutung>
    void markiere(int spalte, int zeile, Spuren::Marke marke, Bedeutung bedeutung)
    {
        if (spalte < 0 || zeile < 1 || zeile > board::Feld::HoechsteReihe)
            return;
        const auto index = static_cast<std::size_t>(board::zellIndex(spalte, zeile));
        m_bild.marken[index] |= marke;
        if (m_mitBedeutungen)
            m_bedeutungen[index] << bedeutung();
    }

    void markiere(int spalte, int zeile, Spuren::Marke marke)
    {
        if (spalte < 0 || zeile < 1 || zeile > board::Feld::HoechsteReihe)
            return;
        m_bild.marken[static_cast<std::size_t>(board::zellIndex(spalte, zeile))] |= marke;
    }

    void markiereAngreifer(std::uint8_t spalten, int zielSpalte, int zielZeile)
    {
        for (int k = 0; k < board::Feld::Spalten; ++k) {
            if (spalten & (1U << k))
                markiere(k, wert(k), Spuren::Bedroher,
                         [&] { return dame(k) + QStringLiteral(": greift ") + feld(zielSpalte, zielZeile) + QStringLiteral(" an"); });
        }
    }

    void spalte(int spalte, Spuren::Marke marke)
    {
        for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile)
            markiere(spalte, zeile, marke);
    }

    // Each cell's meanings, the most telling first; a cell that is only part
    // of a column or a way says so.
    void fertig(const std::array<QString, ZellIndizes> &sonst)
    {
        if (!m_mitBedeutungen)
            return;
        for (std::size_t index = 0; index < m_bedeutungen.size(); ++index) {
            m_bild.bedeutung[index] = m_bedeutungen[index].isEmpty() ? sonst[index]
                                                                      : m_bedeutungen[index].join(QStringLiteral("; "));
        }
    }

    QStringList &bedeutungen(int spalte, int zeile)
    {
        return m_bedeutungen[static_cast<std::size_t>(board::zellIndex(spalte, zeile))];
    }

private:
    Spuren::Bild &m_bild;
    const Brett &m_brett;
    bool m_mitBedeutungen;
    std::array<QStringList, ZellIndizes> m_bedeutungen;
};

} // namespace

Spuren::Bild Spuren::bild(const Anlass &anlass, bool bedeutungen)
{
    Bild bild;
    Maler maler(bild, anlass, bedeutungen);
    // What only a column or a way means, for cells that mean nothing else.
    std::array<QString, ZellIndizes> sonst;
    const auto sonstige = [&sonst, bedeutungen](int spalte, int von, int bis, const auto &text) {
        for (int zeile = std::max(von, 1); bedeutungen && zeile <= std::min(bis, int(board::Feld::HoechsteReihe)); ++zeile) {
            QString &ziel = sonst[static_cast<std::size_t>(board::zellIndex(spalte, zeile))];
            if (ziel.isEmpty())
                ziel = feldName(spalte, zeile) + QStringLiteral(": ") + text();
        }
    };
    if (anlass.art == Anlass::Art::Schritt) {
        const board::Schritt &schritt = anlass.schritt;
        const int spalte = schritt.spalte;
        for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile) {
            if (!schritt.abgelehnt(zeile))
                continue;
            const std::uint8_t wer = schritt.bedroher[std::size_t(zeile - 1)];
            maler.markiere(spalte, zeile, Versuch, [&] {
                return maler.feld(spalte, zeile) + QStringLiteral(": versucht, ") + bedrohung(wer, anlass.brett, zeile);
            });
            bild.namen[std::size_t(board::zellIndex(spalte, zeile))] = damenNamen(wer, anlass.brett).join(u' ');
        }
        maler.markiere(spalte, schritt.reihe, Gesetzt, [&] { return ausgang(schritt); });
        // A solution's queens are shown as such, not as the attackers of
        // the rows below its last.
        if (schritt.loesung > 0) {
            for (int k = 0; k < board::Feld::Spalten; ++k)
                maler.markiere(k, maler.wert(k), Loesung, [&] {
                    return maler.dame(k) + QStringLiteral(": Dame der Lösung %1").arg(schritt.loesung);
                });
        } else if (const int letzte = schritt.letzteAbgelehnte()) {
            maler.markiereAngreifer(schritt.bedroher[std::size_t(letzte - 1)], spalte, letzte);
        }
        if (schritt.vorher > 0) {
            maler.markiere(spalte, schritt.vorher, Vorher, [&] {
                return maler.feld(spalte, schritt.vorher) + QStringLiteral(": hier stand die Dame vor dem Schritt");
            });
            const int oben = schritt.reihe > 0 ? schritt.reihe : board::Feld::HoechsteReihe;
            for (int zeile = schritt.vorher; zeile <= oben; ++zeile)
                maler.markiere(spalte, zeile, Weg);
            sonstige(spalte, schritt.vorher + 1, oben, [&] {
                return schritt.reihe > 0 ? QStringLiteral("Weg der Dame von %1 nach %2")
                                               .arg(maler.feld(spalte, schritt.vorher), maler.feld(spalte, schritt.reihe))
                                         : QStringLiteral("Weg der Dame von %1 vom Brett")
                                               .arg(maler.feld(spalte, schritt.vorher));
            });
        }
        if (schritt.reihe == 0) {
            maler.markiere(spalte, board::Feld::HoechsteReihe, Zurueck);
            if (maler.mitBedeutungen())
                maler.bedeutungen(spalte, board::Feld::HoechsteReihe).prepend(ausgang(schritt));
        }
        maler.spalte(spalte, Spalte);
        sonstige(spalte, 1, board::Feld::HoechsteReihe, [] { return QStringLiteral("Spalte des Schritts"); });
    } else if (anlass.art == Anlass::Art::Handzug && anlass.handzug >= 0) {
        const int spalte = anlass.handzug;
        const int wert = maler.wert(spalte);
        const std::uint8_t wer = board::Angreifer(feldAus(anlass.brett), std::int16_t(wert), spalte);
        maler.markiere(spalte, wert, Bedroht, [&] {
            return maler.dame(spalte) + QStringLiteral(": von Hand gesetzt, ") + bedrohung(wer, anlass.brett, wert);
        });
        maler.markiereAngreifer(wer, spalte, wert);
    }
    if (anlass.frage >= 0) {
        // The question stands for the next step's marks.
        for (int zeile = 1; zeile <= board::Feld::HoechsteReihe; ++zeile)
            maler.markiere(anlass.frage, zeile, Frage, [&] {
                return maler.feld(anlass.frage, zeile) + QStringLiteral(": Tipp, der Schritt setzt hierhin");
            });
        maler.markiere(anlass.frage, board::Feld::HoechsteReihe, FrageZurueck,
                       [] { return QStringLiteral("Pfeil oben: Tipp, keine Reihe frei, zurück"); });
    } else if (anlass.naechste >= 0) {
        maler.spalte(anlass.naechste, Naechste);
        maler.markiere(anlass.naechste, board::Feld::HoechsteReihe, Pfeil);
        sonstige(anlass.naechste, 1, board::Feld::HoechsteReihe,
                 [] { return QStringLiteral("hier arbeitet der nächste Schritt"); });
    }
    maler.fertig(sonst);
    return bild;
}

Spuren::Anlass Spuren::anlass(const Suchverlauf::Eintrag *letzter, int naechste)
{
    using Art = Suchverlauf::Eintrag::Art;
    if (letzter && letzter->art == Art::Schritt)
        return {Anlass::Art::Schritt, letzter->schritt, letzter->brett, -1, naechste};
    // A queen moved by hand into an attack, with those that attack it.
    if (letzter && letzter->art == Art::Handzug) {
        const int wert = letzter->brett[std::size_t(letzter->spalte)];
        if (wert > 0 && board::Angreifer(feldAus(letzter->brett), std::int16_t(wert), letzter->spalte) != 0)
            return {Anlass::Art::Handzug, {}, letzter->brett, letzter->spalte, -1};
    }
    // Otherwise only where the next step works.
    return {Anlass::Art::Keine, {}, {}, -1, naechste};
}

namespace {

// What the window shows behind its controls.
const QBrush &fensterGrund(const QWidget &widget)
{
    const QWidget &fenster = *widget.window();
    return fenster.palette().brush(fenster.backgroundRole());
}

} // namespace

class Spuren::Blatt : public QWidget
{
public:
    Blatt(Spuren &spuren, QWidget &brett)
        : QWidget(&brett)
        , m_spuren(spuren)
    {
        setObjectName(QStringLiteral("Spurenblatt"));
        // Clicks, tooltips and the keyboard stay with the cells beneath.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(brett.rect());
    }

protected:
    void paintEvent(QPaintEvent *event) override { m_spuren.blattMalen(*this, event->region()); }

private:
    Spuren &m_spuren;
};

Spuren::Spuren(Anzeige &anzeige, const Zellen &txtFeld, const Suchverlauf &verlauf)
    : m_anzeige(anzeige)
    , m_txtFeld(txtFeld)
    , m_verlauf(verlauf)
{
    for (std::size_t index = 0; index < txtFeld.size(); ++index) {
        QLineEdit *zelle = txtFeld[index];
        if (!zelle)
            continue;
        zelle->installEventFilter(this);
        // Beneath the sheet, a cell's own update paints nothing.
        connect(zelle, &QLineEdit::textChanged, this, [this, index] { blattNachziehen(index); });
    }
    connect(&verlauf, &Suchverlauf::angefuegt, this, &Spuren::folgen);
    connect(&verlauf, &Suchverlauf::zurueckgenommen, this, &Spuren::folgen);
    connect(&verlauf, &Suchverlauf::naechsteGeaendert, this, &Spuren::folgen);
    connect(&verlauf, &Suchverlauf::begonnen, this, &Spuren::folgen);
}

void Spuren::setzeAn(bool an)
{
    m_an = an;
    folgen();
}

void Spuren::setzeFrage(int spalte)
{
    m_frage = spalte;
    folgen();
}

void Spuren::folgen()
{
    Anlass neu = m_an ? anlass(m_verlauf.letzter(), m_verlauf.naechste()) : Anlass{};
    neu.frage = m_frage;
    zeige(neu);
}

QRectF Spuren::zurueckFeld(const QRectF &zelle)
{
    return {zelle.left(), zelle.top(), zelle.width(), zelle.height() * 0.34};
}

void Spuren::zeige(const Anlass &anlass)
{
    if (anlass == m_soll)
        return;
    m_soll = anlass;
    m_anzeige.aenderung(this, [this, anlass] { anwenden(anlass); });
}

void Spuren::anwenden(const Anlass &anlass)
{
    m_angewandt = anlass;
    Bild neu = bild(anlass, m_erklaeren);
    // While the marks are on, the sheet over the board paints the cells a
    // step changes, in one painting. Otherwise a cell drawn from its picture
    // (a guess's column) covers all of itself and is updated alone, so that
    // Qt paints nothing behind it; the others as one region of the board,
    // on which all cells lie.
    QRegion geaendert;
    QRegion blatt;
    QWidget *brett = nullptr;
    for (std::size_t index = 0; index < neu.marken.size(); ++index) {
        QLineEdit *zelle = m_txtFeld[index];
        if (!zelle)
            continue;
        brett = zelle->parentWidget();
        const bool deckt = m_an || neu.marken[index] != 0;
        if (zelle->testAttribute(Qt::WA_OpaquePaintEvent) != deckt)
            zelle->setAttribute(Qt::WA_OpaquePaintEvent, deckt);
        if (neu.marken[index] != m_gezeigt.marken[index] || neu.namen[index] != m_gezeigt.namen[index]) {
            if (m_an ? m_imLoch[index] : deckt)
                zelle->update();
            else
                (m_an ? blatt : geaendert) += zelle->geometry();
        }
        if (m_erklaeren && neu.bedeutung[index] != m_gezeigt.bedeutung[index])
            erklaere(index, neu.bedeutung[index]);
    }
    m_gezeigt = std::move(neu);
    if (m_an && brett && !m_blatt) {
        m_blatt = new Blatt(*this, *brett);
        m_zellflaeche = std::accumulate(m_txtFeld.begin(), m_txtFeld.end(), QRegion(),
                                        [](const QRegion &flaeche, const QLineEdit *zelle) {
                                            return zelle ? flaeche + zelle->geometry() : flaeche;
                                        });
        blattLochen();
    }
    if (m_blatt && m_blatt->isHidden() == m_an) {
        m_blatt->raise();
        m_blatt->setVisible(m_an);
        return;
    }
    if (!blatt.isEmpty())
        m_blatt->update(blatt);
    if (!geaendert.isEmpty())
        brett->update(geaendert);
}

void Spuren::blattNachziehen(std::size_t index)
{
    if (m_blatt && m_blatt->isVisible() && !m_imLoch[index])
        m_blatt->update(m_txtFeld[index]->geometry());
}

void Spuren::blattMalen(QWidget &blatt, const QRegion &region)
{
    QPainter painter(&blatt);
    for (std::size_t index = 0; index < m_txtFeld.size(); ++index) {
        QLineEdit *zelle = m_txtFeld[index];
        if (!zelle || m_imLoch[index] || !region.intersects(zelle->geometry()))
            continue;
        const QRect r = zelle->geometry();
        // Clipped to the cell, a picture is copied whole; within the
        // region of many cells, pixel by pixel.
        painter.setClipRect(r);
        painter.drawPixmap(r.topLeft(), zellbild(*zelle, index));
        namenMalen(painter, r, index);
    }
    painter.setClipping(false);
    // Between the cells, what the board shows there.
    for (const QRect &r : region - m_zellflaeche)
        painter.fillRect(r, fensterGrund(blatt));
}

void Spuren::blattLochen()
{
    // The cells that draw themselves show through. Only the keyboard makes
    // a cell draw itself, by being there or by typing a long text: a hole
    // kept after a cell no longer needs it only shows the same beneath.
    QRegion loecher;
    for (std::size_t index = 0; index < m_txtFeld.size(); ++index) {
        m_imLoch[index] = m_txtFeld[index] && zeichnetSelbst(*m_txtFeld[index]);
        if (m_imLoch[index])
            loecher += m_txtFeld[index]->geometry();
    }
    if (loecher.isEmpty())
        m_blatt->clearMask();
    else
        m_blatt->setMask(QRegion(m_blatt->rect()) - loecher);
}

void Spuren::grundLegen(QLineEdit &zelle)
{
    // Drawn as a text field draws itself, whose corners show what lies
    // behind it, where Qt no longer paints that.
    if (!zelle.testAttribute(Qt::WA_OpaquePaintEvent))
        return;
    QPainter painter(&zelle);
    painter.fillRect(zelle.rect(), fensterGrund(zelle));
}

void Spuren::erklaeren(bool an)
{
    if (std::exchange(m_erklaeren, an) == an)
        return;
    // The marks were shown unworded meanwhile.
    if (an)
        m_gezeigt.bedeutung = bild(m_angewandt).bedeutung;
    for (std::size_t index = 0; index < m_gezeigt.bedeutung.size(); ++index)
        erklaere(index, an ? m_gezeigt.bedeutung[index] : QString());
}

void Spuren::erklaere(std::size_t index, const QString &bedeutung)
{
    // Unmarked, a cell keeps the board's tooltip. Screen readers read the
    // tooltip as the description when they ask.
    if (m_txtFeld[index] && m_txtFeld[index]->toolTip() != bedeutung)
        m_txtFeld[index]->setToolTip(bedeutung);
}
Spuren::~Spuren()
{
    delete m_blatt;
}

bool Spuren::eventFilter(QObject *watched, QEvent *event)
{
    // A cell's picture shows its text in the cell's type and colours.
    if (event->type() == QEvent::FontChange)
        m_zellen.clear();
    const bool geaendert = event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange
                           || event->type() == QEvent::EnabledChange;
    if (m_blatt && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        blattLochen();
    if (!geaendert && event->type() != QEvent::Paint)
        return false;
    const auto zelle = std::find(m_txtFeld.begin(), m_txtFeld.end(), watched);
    if (zelle == m_txtFeld.end())
        return false;
    const auto index = static_cast<std::size_t>(zelle - m_txtFeld.begin());
    if (geaendert) {
        blattNachziehen(index);
        return false;
    }
    const std::uint16_t marken = m_gezeigt.marken[index];
    QLineEdit &widget = **zelle;
    // Unmarked cells too while the marks are on: each step of a run takes
    // them off as many cells as it puts them on.
    if (marken == 0 && !m_an) {
        grundLegen(widget);
        return false;
    }
    // The cell with the keyboard as it is, with its cursor; the others from
    // pictures of the whole cell, as the sheet over the board draws them.
    if (zeichnetSelbst(widget)) {
        grundLegen(widget);
        watched->event(event);
        QPainter painter(&widget);
        painter.drawPixmap(0, 0, markenbild(widget, index));
        namenMalen(painter, widget.rect(), index);
        return true;
    }
    QPainter painter(&widget);
    painter.drawPixmap(0, 0, zellbild(widget, index));
    namenMalen(painter, widget.rect(), index);
    return true;
}

namespace {

// A cell's kind and size, of which there are few.
quint64 zellform(const QWidget &widget)
{
    return quint64(widget.isEnabled() ? 0 : 1) << 17 | quint64(widget.width()) << 20
           | quint64(widget.height()) << 36 | quint64(widget.devicePixelRatioF() * 8) << 52;
}

// The same with its marks, and whether they leave room for names.
quint64 zellart(const QWidget &widget, std::uint16_t marken, const QString &namen)
{
    return zellform(widget) | marken | quint64(namen.isEmpty() ? 0 : 1) << 16;
}

} // namespace

const QPixmap &Spuren::markenbild(const QWidget &widget, std::size_t index)
{
    static const QPixmap keins;
    const std::uint16_t marken = m_gezeigt.marken[index];
    if (marken == 0)
        return keins;
    // Bounded, though the kinds of cells are few.
    if (m_bilder.size() > 500)
        m_bilder.clear();
    const QString &namen = m_gezeigt.namen[index];
    QPixmap &gemalt = m_bilder[zellart(widget, marken, namen)];
    if (gemalt.isNull()) {
        const qreal dpr = widget.devicePixelRatioF();
        gemalt = QPixmap(widget.size() * dpr);
        gemalt.setDevicePixelRatio(dpr);
        gemalt.fill(Qt::transparent);
        QPainter maler(&gemalt);
        zeichneMarken(maler, QRectF(widget.rect()), marken, !namen.isEmpty());
    }
    return gemalt;
}

void Spuren::namenMalen(QPainter &painter, const QRect &zelle, std::size_t index)
{
    if (const QString &namen = m_gezeigt.namen[index]; !namen.isEmpty())
        setzeNamen(painter, QRectF(zelle), namen);
}

QPixmap Spuren::zellbild(QLineEdit &widget, std::size_t index)
{
    // The cell first, its marks over it.
    if (m_zellen.size() > 500)
        m_zellen.clear();
    const Zellschluessel schluessel{zellart(widget, m_gezeigt.marken[index], m_gezeigt.namen[index]), widget.text(),
                                    widget.palette().color(QPalette::Base).rgba()};
    QPixmap ganz = m_zellen.value(schluessel);
    if (!ganz.isNull())
        return ganz;
    // The cell alone, kept as an unmarked cell's picture.
    const Zellschluessel blank{zellform(widget), schluessel.text, schluessel.grund};
    QPixmap leer = m_zellen.value(blank);
    if (leer.isNull()) {
        // As a twin of it that is never shown draws it: a widget cannot
        // draw itself again within its own painting.
        if (!m_zwilling) {
            m_zwilling = std::make_unique<QLineEdit>();
            m_zwilling->setAttribute(Qt::WA_DontShowOnScreen);
        }
        m_zwilling->setFont(widget.font());
        m_zwilling->setPalette(widget.palette());
        m_zwilling->setAlignment(widget.alignment());
        m_zwilling->setFrame(widget.hasFrame());
        m_zwilling->setEnabled(widget.isEnabled());
        m_zwilling->setText(widget.text());
        m_zwilling->resize(widget.size());
        const qreal dpr = widget.devicePixelRatioF();
        leer = QPixmap(widget.size() * dpr);
        leer.setDevicePixelRatio(dpr);
        m_zwilling->render(&leer);
        m_zellen.insert(blank, leer);
    }
    ganz = leer.copy();
    QPainter maler(&ganz);
    maler.drawPixmap(0, 0, markenbild(widget, index));
    maler.end();
    m_zellen.insert(schluessel, ganz);
    return ganz;
}

void Spuren::zeichne(QPainter &painter, const QRectF &zelle, std::uint16_t marken, const QString &namen)
{
    zeichneMarken(painter, zelle, marken, !namen.isEmpty());
    zeichneNamen(painter, zelle, namen);
}

void Spuren::zeichneMarken(QPainter &painter, const QRectF &zelle, std::uint16_t marken, bool namen)
{
    const qreal a = std::min(zelle.width(), zelle.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // The column's outline, a bar down each side of its cells; the next
    // column's dashed and further in, so that the two stay apart where
    // they are neighbours.
    const auto balken = [&](qreal abstand, qreal breite, bool gestrichelt) {
        QPen stift(Blau, breite, Qt::SolidLine, Qt::FlatCap);
        if (gestrichelt)
            stift.setDashPattern({2.5, 1.5});
        painter.setPen(stift);
        const qreal links = zelle.left() + abstand + breite / 2;
        const qreal rechts = zelle.right() + 1 - abstand - breite / 2;
        painter.drawLine(QPointF(links, zelle.top()), QPointF(links, zelle.bottom() + 1));
        painter.drawLine(QPointF(rechts, zelle.top()), QPointF(rechts, zelle.bottom() + 1));
    };
    if (marken & Spalte)
        balken(a * 0.02, a * 0.06, false);
    if (marken & Naechste)
        balken(a * 0.17, a * 0.05, true);
    const QRectF innen = zelle.adjusted(a * 0.14, a * 0.14, -a * 0.14, -a * 0.14);
    if (marken & Gesetzt) {
        // The queen kept: framed whole, with a tick in a round badge.
        painter.setPen(QPen(Gruen, a * 0.07, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(innen);
        const QPointF mitte = innen.topRight();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Gruen);
        painter.drawEllipse(mitte, a * 0.13, a * 0.13);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, a * 0.045, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF haken[] = {mitte + QPointF(-a * 0.065, 0), mitte + QPointF(-a * 0.015, a * 0.05),
                                 mitte + QPointF(a * 0.07, -a * 0.055)};
        painter.drawPolyline(haken, 3);
    }
    if (marken & Bedroher) {
        // An attacker: its corners, taken aim at, where a kept queen is
        // framed whole.
        painter.setPen(QPen(Rot, a * 0.08, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const qreal bein = a * 0.2;
        for (const auto &[ecke, dx, dy] : {std::tuple{innen.topLeft(), 1, 1}, std::tuple{innen.topRight(), -1, 1},
                                           std::tuple{innen.bottomLeft(), 1, -1}, std::tuple{innen.bottomRight(), -1, -1}}) {
            const QPointF winkel[] = {ecke + QPointF(0, dy * bein), ecke, ecke + QPointF(dx * bein, 0)};
            painter.drawPolyline(winkel, 3);
        }
    }
    if (marken & Bedroht) {
        // The moved queen is ringed.
        painter.setPen(QPen(Rot, a * 0.07));
        painter.drawEllipse(zelle.center(), a * 0.38, a * 0.38);
    }
    if (marken & Vorher) {
        // Where the queen stood: a hollow diamond, dashed.
        QPen stift(Grau, a * 0.06);
        stift.setDashPattern({2, 1.5});
        painter.setPen(stift);
        const QPointF m = zelle.center();
        const qreal r = a * 0.3;
        const QPointF raute[] = {m + QPointF(0, -r), m + QPointF(r, 0), m + QPointF(0, r), m + QPointF(-r, 0)};
        painter.drawPolygon(raute, 4);
    }
    if (marken & Weg) {
        // The queen's way up, at the cell's left: from where it stood to
        // the arrow's head below the queen, or off the top.
        const qreal x = zelle.left() + a * 0.2;
        const qreal unten = (marken & Vorher) ? zelle.center().y() : zelle.bottom() + 1;
        const qreal oben = (marken & Gesetzt) ? zelle.center().y() : zelle.top();
        painter.setPen(QPen(Gruen, a * 0.07, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, unten), QPointF(x, oben + ((marken & Gesetzt) ? a * 0.12 : 0)));
        if (marken & Gesetzt) {
            const QPointF spitze[] = {{x, oben - a * 0.06}, {x - a * 0.13, oben + a * 0.18}, {x + a * 0.13, oben + a * 0.18}};
            painter.setPen(Qt::NoPen);
            painter.setBrush(Gruen);
            painter.drawPolygon(spitze, 3);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.setPen(Qt::NoPen);
    if (marken & Bedroht) {
        // A flag in the corner beside the "X": this queen is attacked.
        const qreal seite = a * 0.24;
        const QPointF ecke = innen.topRight();
        const QPointF flagge[] = {ecke, ecke - QPointF(seite, 0), ecke + QPointF(0, seite)};
        painter.setBrush(Rot);
        painter.drawPolygon(flagge, 3);
    }
    if (marken & Pfeil) {
        // An arrow at the top of the column: the next step works here.
        const qreal x = zelle.center().x();
        const QPointF pfeil[] = {{x - a * 0.22, zelle.top() + a * 0.02},
                                 {x + a * 0.22, zelle.top() + a * 0.02},
                                 {x, zelle.top() + a * 0.2}};
        painter.setBrush(Blau);
        painter.drawPolygon(pfeil, 3);
    }
    if (marken & Loesung) {
        // A queen of the solution: a star in the corner.
        const QPointF mitte = innen.topLeft();
        QPointF stern[10];
        for (int i = 0; i < 10; ++i) {
            const qreal r = (i % 2 ? 0.07 : 0.17) * a;
            const qreal w = M_PI / 5 * i - M_PI / 2;
            stern[i] = mitte + QPointF(r * std::cos(w), r * std::sin(w));
        }
        painter.setBrush(Gold);
        painter.drawPolygon(stern, 10);
    }
    if (marken & Frage) {
        // Asked for a guess: the cell framed in dots, to be clicked.
        QPen stift(Lila, a * 0.05, Qt::DotLine, Qt::RoundCap);
        painter.setPen(stift);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(zelle.adjusted(a * 0.06, a * 0.06, -a * 0.06, -a * 0.06), a * 0.1, a * 0.1);
        painter.setPen(Qt::NoPen);
    }
    if (marken & FrageZurueck) {
        // The guess "keine Reihe frei, zurück": a bar across the cell's top
        // with an arrow back to the column before.
        const QRectF feld = zurueckFeld(zelle).adjusted(a * 0.1, a * 0.08, -a * 0.1, -a * 0.04);
        painter.setBrush(Lila);
        painter.drawRoundedRect(feld, a * 0.05, a * 0.05);
        const qreal y = feld.center().y();
        const qreal h = feld.height() * 0.32;
        painter.setPen(QPen(Qt::white, a * 0.05, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(feld.left() + a * 0.2, y), QPointF(feld.right() - a * 0.1, y));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        const QPointF spitze[] = {{feld.left() + a * 0.06, y}, {feld.left() + a * 0.22, y - h}, {feld.left() + a * 0.22, y + h}};
        painter.drawPolygon(spitze, 3);
    }
    if (marken & Zurueck) {
        // The column is left empty: an arrow back to the column before.
        const qreal y = zelle.top() + a * 0.12;
        painter.setPen(QPen(Blau, a * 0.06, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(zelle.left() + a * 0.3, y), QPointF(zelle.right() - a * 0.12, y));
        const QPointF spitze[] = {{zelle.left() + a * 0.1, y}, {zelle.left() + a * 0.32, y - a * 0.1},
                                  {zelle.left() + a * 0.32, y + a * 0.1}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(Blau);
        painter.drawPolygon(spitze, 3);
    }
    if (marken & Versuch) {
        // "Tried and attacked": a circle struck through, above the names
        // of the queens that rule the row out.
        const qreal radius = namen ? a * 0.22 : a * 0.3;
        const QPointF mitte = namen ? zelle.center() - QPointF(0, a * 0.12) : zelle.center();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Rot, a * 0.075));
        painter.drawEllipse(mitte, radius, radius);
        const qreal d = radius * M_SQRT1_2;
        painter.drawLine(mitte + QPointF(-d, d), mitte + QPointF(d, -d));
    }
    painter.restore();
}

void Spuren::zeichneNamen(QPainter &painter, const QRectF &zelle, const QString &namen)
{
    if (namen.isEmpty())
        return;
    const qreal a = std::min(zelle.width(), zelle.height());
    const auto [schrift, metrik] = namenSchrift(a);
    QFont gesetzt = schrift;
    // Three names and more are set narrower to fit the cell.
    if (namen.size() > 5) {
        if (const qreal breite = metrik.horizontalAdvance(namen); breite > a * 0.96)
            gesetzt.setStretch(std::max(50, int(100 * a * 0.96 / breite)));
    }
    painter.save();
    painter.setFont(gesetzt);
    painter.setPen(Rot);
    painter.drawText(QRectF(zelle.left(), zelle.bottom() + 1 - a * 0.34, zelle.width(), a * 0.32),
                     Qt::AlignHCenter | Qt::AlignBottom, namen);
    painter.restore();
}

void Spuren::setzeNamen(QPainter &painter, const QRectF &zelle, const QString &namen)
{
    // Set from the pictures of the single names: new sets of attackers come
    // at almost every step of a run. Three names and more are drawn
    // narrower to fit the cell: a stretched font is a font of its own,
    // looked up and laid out anew for each width.
    const qreal a = std::min(zelle.width(), zelle.height());
    const qreal dpr = painter.device()->devicePixelRatioF();
    const auto [schrift, metrik] = namenSchrift(a);
    // The pictures are of one size of cell at a time.
    if (m_namenBilder.size() > 1000 || m_namenGroesse != std::pair{schrift.pixelSize(), dpr}) {
        m_namenBilder.clear();
        m_namenGroesse = {schrift.pixelSize(), dpr};
        m_namenLeer = metrik.horizontalAdvance(u' ');
    }
    const qreal leer = m_namenLeer;
    std::vector<Namensbild> teile;
    qreal breite = -leer;
    for (const QStringView name : QStringView(namen).split(u' ')) {
        Namensbild &gemerkt = m_namenBilder[name.toString()];
        if (gemerkt.bild.isNull()) {
            gemerkt.breite = metrik.horizontalAdvance(name.toString());
            gemerkt.bild = QPixmap(QSizeF((gemerkt.breite + 2) * dpr, metrik.height() * dpr).toSize());
            gemerkt.bild.setDevicePixelRatio(dpr);
            gemerkt.bild.fill(Qt::transparent);
            QPainter maler(&gemerkt.bild);
            maler.setFont(schrift);
            maler.setPen(Rot);
            maler.drawText(QPointF(0, metrik.ascent()), name.toString());
        }
        teile.push_back(gemerkt);
        breite += gemerkt.breite + leer;
    }
    const qreal enger = namen.size() > 5 && breite > a * 0.96 ? a * 0.96 / breite : 1.0;
    qreal x = zelle.center().x() - breite * enger / 2;
    const qreal oben = std::round((zelle.bottom() + 1 - a * 0.02 - metrik.descent() - metrik.ascent()) * dpr) / dpr;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, enger < 1);
    for (const Namensbild &teil : teile) {
        const QSizeF groesse = teil.bild.deviceIndependentSize();
        painter.drawPixmap(QRectF(std::round(x * dpr) / dpr, oben, groesse.width() * enger, groesse.height()), teil.bild,
                           QRectF(teil.bild.rect()));
        x += (teil.breite + leer) * enger;
    }
    painter.restore();
}

} // namespace view
