// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <memory>
#include <string_view>

namespace zelmora {

// The menu window frmZelmora: the program starts on it, and it is the only way to the boards,
// to the teacher's guide and out of the program.
class MainMenu final : public Form {
public:
    MainMenu();

    static std::unique_ptr<Form> create() { return std::make_unique<MainMenu>(); }

    // The board window a menu button opens, or an empty name for the other controls.
    static std::string_view boardOf(std::string_view button);

protected:
    void onClick(Control&) override;
    void onDoubleClick(Control&) override;

private:
    // OLE1's default action on the packaged guide: open it for reading.
    void openGuide();
};

} // namespace zelmora
