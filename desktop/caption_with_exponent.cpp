// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_with_exponent.hpp"

#include "program/caption_exponent.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace zelmora::qt {

namespace {

// The exponent's size against the letter's, and how far its baseline rises, in the height of the
// letter's own ink: the face's ascent is much taller than a short letter such as س.
constexpr double exponentScale = 0.6;
constexpr double exponentRise = 0.6;

QTextOption oneRightToLeftLine()
{
    QTextOption option(Qt::AlignCenter | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::NoWrap);
    return option;
}

} // namespace

void drawCaption(QPainter& painter, QRectF const& area, QString const& caption, QFont const& font, bool negative)
{
    CaptionParts const parts = splitCaptionExponent(caption.toStdString(), negative);
    painter.setFont(font);
    if (parts.exponent.empty()) {
        painter.drawText(area, QString::fromStdString(parts.base), oneRightToLeftLine());
        return;
    }
    QString const base = QString::fromStdString(parts.base);
    QString const exponent = QString::fromStdString(parts.exponent);
    QFont small = font;
    small.setPixelSize(std::max(1, static_cast<int>(QFontInfo(font).pixelSize() * exponentScale + 0.5)));
    QFontMetricsF const big(font);
    double const baseWidth = big.horizontalAdvance(base);
    double const exponentWidth = QFontMetricsF(small).horizontalAdvance(exponent);
    // Right to left, the exponent follows the letter on its left, as "س²" reads in the band.
    double const left = area.center().x() - (baseWidth + exponentWidth) / 2;
    painter.drawText(QRectF(left + exponentWidth, area.top(), baseWidth, area.height()), base, oneRightToLeftLine());
    double const baseline = area.top() + (area.height() - big.height()) / 2 + big.ascent();
    painter.setFont(small);
    double const letterHeight = -big.tightBoundingRect(base).top();
    painter.drawText(QPointF(left, baseline - exponentRise * letterHeight), exponent);
    painter.setFont(font);
}

} // namespace zelmora::qt
