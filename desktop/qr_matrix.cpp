// SPDX-License-Identifier: GPL-3.0-or-later
#include "qr_matrix.hpp"

#include <qrencode.h>

#include <memory>

namespace zelmora::qt {

namespace {

struct FreeQrCode {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

std::optional<QrMatrix> encoded(std::string_view text, QrCorrection correction)
{
    QRecLevel const level = correction == QrCorrection::Medium ? QR_ECLEVEL_M : QR_ECLEVEL_L;
    // The bytes as they are, with their length: a link is bytes to a reader, and version 0 lets
    // the library pick the smallest code that holds them.
    std::unique_ptr<QRcode, FreeQrCode> const code(QRcode_encodeData(
        static_cast<int>(text.size()), reinterpret_cast<unsigned char const*>(text.data()), 0, level));
    if (!code)
        return std::nullopt;
    QrMatrix matrix { code->width, correction, {} };
    std::size_t const modules = static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width);
    matrix.dark.reserve(modules);
    // Each byte holds one module; its lowest bit says dark, the others how the library placed it.
    for (std::size_t i = 0; i < modules; ++i)
        matrix.dark.push_back((code->data[i] & 1) != 0);
    return matrix;
}

} // namespace

std::optional<QrMatrix> qrMatrixOf(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    if (auto medium = encoded(text, QrCorrection::Medium))
        return medium;
    return encoded(text, QrCorrection::Low);
}

} // namespace zelmora::qt
