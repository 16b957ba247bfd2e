// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_setup.hpp"

#include "twips.hpp"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include <cmath>

namespace zelmora::qt {

void installFontSubstitutions()
{
    static bool const installed = [] {
        // Latin letters and digits come from the first face, Arabic from the second.
        QFont::insertSubstitutions("Arial", { "Liberation Sans", "Noto Sans Arabic" });
        QFont::insertSubstitutions("MS Sans Serif", { "Liberation Sans", "Noto Sans Arabic" });
        QFont::insertSubstitution("Traditional Arabic", "Amiri");
        return true;
    }();
    (void)installed;
}

QFont fontFor(Font const& font, double zoom)
{
    QFont f(QString::fromStdString(font.family));
    double const pixels = font.pointSize * twipsPerPoint / twipsPerPixel * zoom;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setBold(font.bold);
    // The view scales and rounds itself; hinting would make widths jump between zooms.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont fontFor(Font const& font, double zoom, QString const& text)
{
    QFont merged = fontFor(font, zoom);
    QStringList const faces = QFont::substitutes(QString::fromStdString(font.family));
    for (QString const& face : faces) {
        QFont single = merged;
        single.setFamily(face);
        single.setStyleStrategy(QFont::NoFontMerging);
        QFontMetricsF const metrics(single);
        bool holdsAll = true;
        for (char32_t const ch : text.toUcs4())
            holdsAll = holdsAll && metrics.inFontUcs4(ch);
        if (holdsAll)
            return single;
    }
    return merged;
}

} // namespace zelmora::qt
