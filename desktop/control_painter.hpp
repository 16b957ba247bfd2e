// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control.hpp"
#include "twips.hpp"

#include <QPixmap>

#include <compare>
#include <map>
#include <string>

class QPainter;

namespace zelmora::qt {

// Paints one control as its properties say. Buttons and scaled pictures are drawn once per
// look and size and kept, so that a board of 141 tiles repaints by copying a few pixmaps.
class ControlPainter {
public:
    // A tile the board counts negative carries a minus before its caption.
    void paint(QPainter&, Control const&, ViewScale const&, bool focused, bool negative = false);

private:
    struct ButtonKey {
        std::string caption;
        int width = 0;
        int height = 0;
        std::uint32_t back = 0;
        std::uint32_t fore = 0;
        int appearance = 1;
        std::string family;
        float points = 0;
        bool bold = false;
        double zoom = 1;
        double pixelRatio = 1;
        bool focused = false;
        bool negative = false;
        auto operator<=>(ButtonKey const&) const = default;
    };
    struct PictureKey {
        std::string name;
        int width = 0;
        int height = 0;
        double pixelRatio = 1;
        auto operator<=>(PictureKey const&) const = default;
    };

    void paintButton(QPainter&, Control const&, ViewScale const&, bool focused, bool negative);
    void paintLabel(QPainter&, Control const&, ViewScale const&);
    void paintTextBox(QPainter&, Control const&, ViewScale const&);
    void paintImage(QPainter&, Control const&, ViewScale const&);
    void paintShape(QPainter&, Control const&, ViewScale const&);
    void paintLine(QPainter&, Control const&, ViewScale const&);
    void paintOle(QPainter&, Control const&, ViewScale const&);

    QPixmap const& button(ButtonKey const&, Control const&);
    QPixmap const& scaledPicture(PictureKey const&);

    std::map<ButtonKey, QPixmap> m_buttons;
    std::map<PictureKey, QPixmap> m_pictures;
};

} // namespace zelmora::qt
