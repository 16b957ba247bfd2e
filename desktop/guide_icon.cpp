// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide_icon.hpp"

namespace zelmora::qt {

QImage const& guideDocumentIcon()
{
    static QImage const icon
        = QImage(QStringLiteral(":/document-32.xpm")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return icon;
}

} // namespace zelmora::qt
