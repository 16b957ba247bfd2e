// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/algebra_band.hpp"
#include "runtime/form.hpp"

#include <QImage>

class QPrinter;

namespace zelmora::qt {

// A picture of the board for a worksheet: the client area as the view paints it but with no drag
// in progress, without the window's frame or toolbar, and with the band's rows under it when the
// band is shown (none given: no band).

// Pictures are copied and saved at twice the window's natural size, sharp enough to print.
inline constexpr double boardPictureZoom = 2.0;

QImage boardPicture(Form const&, double zoom = boardPictureZoom, std::vector<BandRow> const& band = {});

// Prints the board on one page, as large as the page allows and centred on it. False when the
// printer cannot be painted on (no such printer, a file that cannot be written).
bool printBoard(Form const&, QPrinter&, std::vector<BandRow> const& band = {});

} // namespace zelmora::qt
