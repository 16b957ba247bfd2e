// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.hpp"

#include "boards/add_sub/add_sub_board.hpp"
#include "boards/area/area_board.hpp"
#include "boards/balance/balance_board.hpp"
#include "boards/signed_area/signed_area_board.hpp"
#include "program/menu/main_menu.hpp"

#include <algorithm>
#include <array>

namespace zelmora {

namespace {

struct WindowEntry {
    std::string_view name;
    std::unique_ptr<Form> (*create)();
    int board; // 1 to 4 as the menu lists the boards; 0 for the menu itself
};

constexpr std::array windows {
    WindowEntry { "frmZelmora", &MainMenu::create, 0 },
    WindowEntry { "frmZelmora1", &AreaBoard::create, 1 },
    WindowEntry { "frmZelmora2", &SignedAreaBoard::create, 2 },
    WindowEntry { "frmZelmora4", &AddSubBoard::create, 3 },
    WindowEntry { "frmZelmora5", &BalanceBoard::create, 4 },
};

} // namespace

std::unique_ptr<Form> createWindow(std::string_view name)
{
    for (auto const& entry : windows)
        if (entry.name == name)
            return entry.create();
    return nullptr;
}

std::vector<std::string_view> windowNames()
{
    std::vector<std::string_view> names;
    for (auto const& entry : windows)
        names.push_back(entry.name);
    return names;
}

std::string_view startWindowName()
{
    return "frmZelmora";
}

bool isKnownWindow(std::string_view name)
{
    return std::any_of(windows.begin(), windows.end(), [&](WindowEntry const& entry) { return entry.name == name; });
}

std::optional<int> boardNumber(std::string_view name)
{
    for (auto const& entry : windows)
        if (entry.name == name && entry.board != 0)
            return entry.board;
    return std::nullopt;
}

bool isBoardWindow(std::string_view name)
{
    return boardNumber(name).has_value();
}

} // namespace zelmora
