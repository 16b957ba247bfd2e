// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace zelmora::qt {

// A button's caption as it is set: the font, made smaller where the caption would not fit, and
// how far the centred line is moved to keep its ink off the edges.
struct CaptionFit {
    QFont font;
    QPointF shift;
};

// The pixels a caption's ink keeps clear of the button's sides, and of its top and bottom.
struct Margins {
    double side = 0;
    double topAndBottom = 0;
};

// Fits a one-line caption, centred, into a button of this size, its ink inside the margins. The
// installed faces standing in for the layout's fonts run a little wider, and their Arabic
// descenders and dots reach further, than the originals did.
CaptionFit fitCaption(QFont font, QString const& caption, QSizeF button, Margins);

} // namespace zelmora::qt
