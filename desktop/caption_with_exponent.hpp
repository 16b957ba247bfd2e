// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace zelmora::qt {

// Draws a button's one-line caption centred in the area, right to left; a caption with an
// exponent ("س2") has its exponent drawn smaller and raised beside the letter, in the same face;
// a negative tile's caption has the band's minus before it.
void drawCaption(QPainter&, QRectF const& area, QString const& caption, QFont const&, bool negative = false);

} // namespace zelmora::qt
