// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra_band_label.hpp"

#include <QPainter>

namespace zelmora::qt {

AlgebraBandLabel::AlgebraBandLabel(QWidget* parent)
    : QLabel(parent)
{ }

void AlgebraBandLabel::setRows(std::vector<BandRow> rows)
{
    m_rows = std::move(rows);
    // The leading mark keeps a line that starts with a digit right to left for a screen reader.
    QString const text = QString::fromStdString(joinedBandText(m_rows));
    setText(text.isEmpty() ? text : QChar(0x200F) + text);
    update();
}

QRectF AlgebraBandLabel::textArea() const
{
    return QRectF(contentsRect()).adjusted(margin(), margin(), -margin(), -margin());
}

std::vector<PlacedBandText> AlgebraBandLabel::placedText() const
{
    return layOutBand(m_rows, font(), textArea());
}

void AlgebraBandLabel::paintEvent(QPaintEvent* event)
{
    // The frame draws the style's background and border; the rows are drawn over it.
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    paintBand(painter, m_rows, font(), textArea());
}

} // namespace zelmora::qt
