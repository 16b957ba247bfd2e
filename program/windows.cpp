// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.hpp"

#include "boards/add_sub/add_sub_board.hpp"
#include "boards/area/area_board.hpp"
#include "boards/balance/balance_board.hpp"
#include "boards/signed_area/signed_area_board.hpp"
#include "program/menu/main_menu.hpp"

#include <array>

namespace zelmora {

namespace {

struct WindowEntry {
    std::string_view name;
    std::unique_ptr<Form> (*create)();
};

constexpr std::array windows {
    WindowEntry { "frmZelmora", &MainMenu::create },
    WindowEntry { "frmZelmora1", &AreaBoard::create },
    WindowEntry { "frmZelmora2", &SignedAreaBoard::create },
    WindowEntry { "frmZelmora4", &AddSubBoard::create },
    WindowEntry { "frmZelmora5", &BalanceBoard::create },
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

} // namespace zelmora
