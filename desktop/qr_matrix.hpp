// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace zelmora::qt {

// How much of a QR code may be lost and still read: Medium survives a smudged projector or a
// camera at a slant; Low packs more in, for a link Medium cannot hold.
enum class QrCorrection { Medium, Low };

// A QR code's modules as libqrencode makes them, without the quiet zone around them.
struct QrMatrix {
    int width = 0; // modules on a side
    QrCorrection correction = QrCorrection::Medium;
    std::vector<bool> dark; // row after row

    bool isDark(int row, int column) const { return dark[static_cast<std::size_t>(row * width + column)]; }
};

// The QR code of the text's bytes, with Medium correction, else Low; nothing when even the largest
// code cannot hold them.
std::optional<QrMatrix> qrMatrixOf(std::string_view text);

} // namespace zelmora::qt
