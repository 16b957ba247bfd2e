// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "band_painter.hpp"

#include <QLabel>

namespace zelmora::qt {

// The band under a board. Its text is the band's whole text, for screen readers and for sizing;
// it draws the rows itself, so that an equation's sides stand under their places on the board
// rather than where one right-to-left line would put them.
class AlgebraBandLabel final : public QLabel {
    Q_OBJECT
public:
    explicit AlgebraBandLabel(QWidget* parent);

    // The rows as shown; the text becomes their lines joined.
    void setRows(std::vector<BandRow> rows);
    std::vector<BandRow> const& rows() const { return m_rows; }
    // Where each run of the rows is drawn, in the label's own coordinates.
    std::vector<PlacedBandText> placedText() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRectF textArea() const;

    std::vector<BandRow> m_rows;
};

} // namespace zelmora::qt
