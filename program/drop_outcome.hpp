// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/application.hpp"

#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// What a learner who cannot see the board should hear once a drag of a tile ends: moved,
// snapped, turned, in the bin, a zero pair removed, or not moved at all. Taken before the input
// that may end the drag and compared with the board after it, so that it reports what the
// board's own rules did rather than guessing them again.
class DropWatch {
public:
    // None when no tile is being dragged.
    static std::optional<DropWatch> before(Application const&);

    // The announcement once the drag has ended; none while it goes on or when the window closed.
    std::optional<std::string> after(Application const&) const;

    Form const& form() const { return *m_form; }

private:
    struct TileState {
        bool visible;
        Single left, top, width, height;
        bool atHome;
    };
    static std::vector<TileState> statesOf(Form const&);

    Form const* m_form = nullptr;
    Control const* m_dragged = nullptr;
    // Where the dragged tile lands if nothing moves it after the drop: the pointer less the grab.
    Single m_landLeft = 0;
    Single m_landTop = 0;
    std::vector<TileState> m_before;
};

} // namespace zelmora
