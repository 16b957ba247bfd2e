// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_commands.hpp"

#include <vector>

namespace zelmora::qt {

namespace {

// Every command's keys, read once, in the table's order.
std::vector<QList<QKeySequence>> const& keysInTableOrder()
{
    static std::vector<QList<QKeySequence>> const keys = [] {
        std::vector<QList<QKeySequence>> all;
        for (BoardCommandDesign const& design : boardCommands()) {
            QList<QKeySequence> sequences;
            for (std::string_view key : design.keys)
                if (!key.empty())
                    sequences << QKeySequence::fromString(qtText(key), QKeySequence::PortableText);
            all.push_back(sequences);
        }
        return all;
    }();
    return keys;
}

} // namespace

QList<QKeySequence> const& boardCommandKeys(BoardCommandDesign const& design)
{
    return keysInTableOrder().at(static_cast<std::size_t>(&design - boardCommands().data()));
}

BoardCommandDesign const* boardCommandOfKey(QKeyCombination combination)
{
    QKeySequence const pressed(combination);
    for (BoardCommandDesign const& design : boardCommands())
        if (boardCommandKeys(design).contains(pressed))
            return &design;
    return nullptr;
}

QIcon boardCommandIcon(BoardCommandDesign const& design, Qt::LayoutDirection direction)
{
    if (design.icon.empty())
        return {};
    if (!design.themeIcon.empty()) {
        QString const name = qtText(design.themeIcon);
        // Undo points back along the reading direction; themes draw that as a separate icon.
        if (direction == Qt::RightToLeft && QIcon::hasThemeIcon(name + "-rtl"))
            return QIcon::fromTheme(name + "-rtl");
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return QIcon(QStringLiteral(":/toolbar/%1.svg").arg(qtText(design.icon)));
}

} // namespace zelmora::qt
