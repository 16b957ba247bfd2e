// SPDX-License-Identifier: GPL-3.0-or-later
#include "band_painter.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

QTextOption rightToLeft(bool wraps)
{
    QTextOption option(Qt::AlignCenter | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(wraps ? QTextOption::WordWrap : QTextOption::NoWrap);
    return option;
}

// The height of one line: Arabic letters come from a fallback face taller than the band's own.
double lineHeight(QFont const& font)
{
    QFontMetricsF const metrics(font);
    QRectF const arabic = metrics.boundingRect(QStringLiteral("المجموع: 3س²"));
    return std::max(metrics.lineSpacing(), arabic.height());
}

// The pieces of an equation, from the left of the screen.
std::vector<QString> piecesOf(BandSides const& sides)
{
    std::vector<QString> pieces;
    for (std::string const& piece : sides.left)
        pieces.push_back(QString::fromStdString(piece));
    pieces.push_back(QString::fromStdString(sides.relation));
    pieces.push_back(QString::fromStdString(sides.right));
    return pieces;
}

// Each row's height at that width: a line, or the lines a long row of words wraps onto.
std::vector<double> rowHeights(std::vector<BandRow> const& rows, QFont const& font, double width)
{
    QFontMetricsF const metrics(font);
    double const line = lineHeight(font);
    std::vector<double> heights;
    for (BandRow const& row : rows) {
        QString const text = QString::fromStdString(row.text);
        double const wrapped = row.sides
            ? line
            : metrics.boundingRect(QRectF(0, 0, width, 1 << 16), Qt::AlignCenter | Qt::TextWordWrap, text).height();
        heights.push_back(std::max(line, wrapped));
    }
    return heights;
}

} // namespace

QFont bandFont(double pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

double bandRowsHeight(std::vector<BandRow> const& rows, QFont const& font, double width)
{
    double total = 0;
    for (double const h : rowHeights(rows, font, width))
        total += h;
    return total;
}

std::vector<PlacedBandText> layOutBand(std::vector<BandRow> const& rows, QFont const& font, QRectF const& area)
{
    QFontMetricsF const metrics(font);
    double const gap = metrics.horizontalAdvance(QLatin1Char(' '));
    std::vector<double> const heights = rowHeights(rows, font, area.width());
    double const total = bandRowsHeight(rows, font, area.width());
    double top = area.top() + std::max(0.0, (area.height() - total) / 2);

    std::vector<PlacedBandText> placed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QRectF const rowRect(area.left(), top, area.width(), heights[i]);
        top += heights[i];
        if (!rows[i].sides) {
            placed.push_back({ QString::fromStdString(rows[i].text), rowRect, true });
            continue;
        }
        std::vector<QString> const pieces = piecesOf(*rows[i].sides);
        std::size_t const relation = rows[i].sides->left.size();
        std::vector<double> widths;
        double leftWidth = 0;
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            widths.push_back(metrics.horizontalAdvance(pieces[p]));
            if (p < relation)
                leftWidth += widths.back();
        }
        double const rightWidth = widths.back();
        // The relation stands in the middle, under the balance's pivot, each side towards its
        // own pan; a side too long for its half pushes the whole row over, inside the band.
        double x = rowRect.center().x() - widths[relation] / 2 - gap - leftWidth;
        double const end = rowRect.center().x() + widths[relation] / 2 + gap + rightWidth;
        if (end > rowRect.right())
            x -= end - rowRect.right();
        x = std::max(x, rowRect.left());
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            // The factors stand side by side; a space on either side of the relation.
            if (p == relation || p == relation + 1)
                x += gap;
            placed.push_back({ pieces[p], QRectF(x, rowRect.top(), widths[p], rowRect.height()), false });
            x += widths[p];
        }
    }
    return placed;
}

void paintBand(QPainter& painter, std::vector<BandRow> const& rows, QFont const& font, QRectF const& area)
{
    painter.save();
    painter.setFont(font);
    for (PlacedBandText const& run : layOutBand(rows, font, area))
        painter.drawText(run.rect, run.text, rightToLeft(run.wraps));
    painter.restore();
}

std::vector<BandRow> plainBandRows(QString const& text)
{
    std::vector<BandRow> rows;
    for (QString const& line : text.split(QLatin1Char('\n')))
        rows.push_back(plainRow(line.toStdString()));
    return rows;
}

} // namespace zelmora::qt
