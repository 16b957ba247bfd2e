// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the program's first screen as the page's program gives it right after its start: its
// state, and the snapshot of every window it shows as the program's own JSON text (which the page
// compares, as text, with what it painted), as one JSON object. The build puts it in the page,
// which paints the menu from it while the core itself is still being compiled and started.
#include "web_program.hpp"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <exception>

int main()
{
    try {
        zelmora::web::WebProgram const program;
        auto state = nlohmann::json::parse(program.state());
        auto windows = nlohmann::json::object();
        for (auto const& name : state.at("windows"))
            windows[name.get<std::string>()] = program.window(name.get<std::string>());
        // "</" is escaped so that the text can stand inside the page's <script> element.
        std::string text = nlohmann::json { { "state", std::move(state) }, { "windows", std::move(windows) } }.dump();
        for (auto at = text.find("</"); at != std::string::npos; at = text.find("</", at + 3))
            text.replace(at, 2, "<\\/");
        std::puts(text.c_str());
        return 0;
    } catch (std::exception const& e) {
        std::fprintf(stderr, "zelmora-first-screen: %s\n", e.what());
        return 1;
    }
}
