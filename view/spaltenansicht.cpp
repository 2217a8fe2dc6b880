#include "spaltenansicht.h"

#include "feld.h"

#include <QLineEdit>

namespace view {

Spaltenansicht::Spaltenansicht(board::Feld &feld, const Zellen &txtFeld,
                               const std::array<QLineEdit *, 8> &text2, QLineEdit &text3)
    : m_feld(feld)
    , m_txtFeld(txtFeld)
    , m_text2(text2)
    , m_text3(text3)
{
}

void Spaltenansicht::spalteGeaendert(int index)
{
    const auto v = m_feld.wert(index);
    m_text2[static_cast<std::size_t>(index)]->setText(QString::number(v));
    for (int r = 0; r < 8; ++r)
        m_txtFeld[static_cast<std::size_t>(9 * r + index)]->setText(QString());
    if (v == 0)
        return; // the verdict on the last queen stays
    m_txtFeld[static_cast<std::size_t>(board::zellIndex(index, v))]->setText(QStringLiteral("X"));
    // The column holds v already, so this judges without notifying again.
    const bool passt = board::DamePasst(m_feld, v, index);
    m_text3.setText(passt ? QStringLiteral("in Ordnung") : QStringLiteral("geht nicht"));
}

} // namespace view
