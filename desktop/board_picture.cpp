// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_picture.hpp"

#include "form_painter.hpp"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace zelmora::qt {

namespace {

// Enough for a sharp print at 300 dots an inch across a landscape A4 page, and no more.
constexpr double maxPrintZoom = 4.0;

} // namespace

QImage boardPicture(Form const& form, double zoom)
{
    FormPainter painter;
    return painter.render(form, zoom, std::nullopt);
}

bool printBoard(Form const& form, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QRect const page = printer.pageLayout().paintRectPixels(printer.resolution());
    QSize const natural = ViewScale::clientPixels(form.window().clientWidth, form.window().clientHeight, 1.0);
    // The picture is drawn at the page's resolution, so its pixels match the printer's dots.
    double const fit = std::min(double(page.width()) / natural.width(), double(page.height()) / natural.height());
    QImage const picture = boardPicture(form, std::clamp(fit, 1.0, maxPrintZoom));
    QSize const target = natural * fit;
    // The painter's origin is already the paint rectangle's corner.
    QRect placed(QPoint((page.width() - target.width()) / 2, (page.height() - target.height()) / 2), target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placed, picture);
    return painter.end();
}

} // namespace zelmora::qt
