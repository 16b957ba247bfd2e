// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_pool.hpp"
#include "runtime/control.hpp"
#include "runtime/form.hpp"

#include <array>
#include <string_view>
#include <vector>

namespace zelmora::board_file {

inline constexpr std::string_view formatName = "zelmora-board";
// Version 2, which this program writes, keeps only what a learner can change: each tile's place,
// size (a quarter turn), visibility, mark and place in the tab order, the product rectangles and
// factor lengths where a board keeps them, the bin's picture, the drag state and the focus. The
// layout, and the homes it gives the tiles, come from the program. Version 1 kept every control
// of the window and is still read.
inline constexpr int formatVersion = 2;
inline constexpr int firstFormatVersion = 1;

// The members of the file's top-level object.
inline constexpr std::string_view formatKey = "format";
inline constexpr std::string_view versionKey = "version";
inline constexpr std::string_view boardKey = "board";
inline constexpr std::string_view focusKey = "focus";
inline constexpr std::string_view moduleKey = "module";
inline constexpr std::string_view controlsKey = "controls";
inline constexpr std::array topLevelKeys { formatKey, versionKey, boardKey, focusKey, moduleKey, controlsKey };
// A task file's goal, prompt and steps: read and checked by the tasks, never by the board alone.
inline constexpr std::string_view taskKey = "task";

// A property a control's entry holds. Captions are not among them: the layout fixes them and
// they say what each tile is.
enum class Field { Left, Top, Width, Height, X1, Y1, X2, Y2, Visible, Appearance, TabIndex, Text, Picture };

// A board file nests three deep. The parser's time and memory grow with the depth, so far deeper
// text is refused before it is parsed.
inline constexpr int maxNesting = 64;
// Whether the text opens more than maxNesting arrays and objects inside one another; brackets
// inside strings do not count.
bool nestedTooDeep(std::string_view bytes);

std::string_view keyOf(Field);
// The properties a control's entry holds in a version 1 file, which are those its kind can show
// or change.
std::vector<Field> fieldsOf(Control const&);
// A tile: a member of Command1 other than the special member of Boards 1 to 3.
bool isTile(Control const&);
// The properties a file of this version keeps of the control; none for a control that the file
// leaves to the layout.
std::vector<Field> fieldsKept(int version, Form const&, Control const&);
// Whether a file of this version keeps this field of the window's module: version 2 keeps the
// drag state and leaves the homes, which the layout fixes, to the program.
bool keepsModuleField(int version, ModuleField const&);

} // namespace zelmora::board_file
