// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace zelmora::qt {

// The icon of the packaged teacher's guide that the menu's guide box shows: a written page.
QImage const& guideDocumentIcon();

} // namespace zelmora::qt
