// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/board_commands.hpp"

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <string_view>

namespace zelmora::qt {

// The board commands are the program's (program/board_commands.hpp); these turn their keys and
// icons into the toolkit's.
using zelmora::BoardCommand;
using zelmora::BoardCommandDesign;

// A text of the table (its name, its tooltip) as the toolkit shows it.
inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The command's keys, first the one its tooltip names.
QList<QKeySequence> const& boardCommandKeys(BoardCommandDesign const&);

// The command one of whose keys is this combination, or null.
BoardCommandDesign const* boardCommandOfKey(QKeyCombination);

// The command's icon, none for a command without a button: the desktop theme's when it has one
// (its right-to-left variant first for a right-to-left window), else Zelmora's own.
QIcon boardCommandIcon(BoardCommandDesign const&, Qt::LayoutDirection);

} // namespace zelmora::qt
