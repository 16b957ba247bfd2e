// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_menu.hpp"

#include "menu_layout.hpp"
#include "runtime/application.hpp"

#include <array>
#include <utility>

namespace zelmora {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> boardButtons { {
    { "Command1", "frmZelmora1" },
    { "Command2", "frmZelmora2" },
    { "Command3", "frmZelmora4" },
    { "Command5", "frmZelmora5" },
} };

} // namespace

MainMenu::MainMenu()
    : Form(menuLayout())
{ }

std::string_view MainMenu::boardOf(std::string_view button)
{
    for (auto const& [name, board] : boardButtons)
        if (name == button)
            return board;
    return {};
}

void MainMenu::onClick(Control& c)
{
    if (auto const board = boardOf(c.name); !board.empty()) {
        // Loaded on first use, otherwise only brought to the front; the menu stays usable.
        app().show(board);
    } else if (c.name == "Command4") {
        app().end();
    } else if (c.name == "Command6") {
        openGuide();
    }
}

void MainMenu::onDoubleClick(Control& c)
{
    if (c.name == "OLE1")
        openGuide();
}

void MainMenu::openGuide()
{
    app().openGuide();
}

} // namespace zelmora
