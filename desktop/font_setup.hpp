// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control.hpp"

#include <QFont>

namespace zelmora::qt {

// Maps the family names the layouts use to installed fonts with Arabic coverage. Runs once;
// later calls do nothing.
void installFontSubstitutions();

// The layout's font at the given zoom: its size follows the twips, not the screen's dpi.
QFont fontFor(Font const&, double zoom);

// The same font for one known text: where a single installed face holds every character of it,
// that face alone, which spares the toolkit its search for fallback faces at the first paint.
QFont fontFor(Font const&, double zoom, QString const& text);

} // namespace zelmora::qt
