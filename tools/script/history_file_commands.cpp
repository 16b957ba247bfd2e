// SPDX-License-Identifier: GPL-3.0-or-later
// The script's undo, redo, save and load: what a view's toolbar does, without the dialogs. Files
// are saved and loaded with their task, when the window has one.
#include "script_runner.hpp"

#include "program/tasks/task_file.hpp"

#include <ostream>

namespace zelmora {

bool ScriptRunner::runHistoryOrFileCommand(std::vector<std::string> const& words)
{
    auto const& command = words[0];
    bool const travels = command == "undo" || command == "redo";
    bool const files = command == "save" || command == "load";
    if (!travels && !files)
        return false;
    if (words.size() != (travels ? 2u : 3u))
        throw LineError { "wrong number of words for " + command };
    Form& form = openWindow(words[1]);
    if (command == "undo") {
        app().undo(form);
    } else if (command == "redo") {
        app().redo(form);
    } else if (command == "save") {
        if (!saveTaskFile(form, words[2]).saved)
            m_out << form.name() << ".save=failed\n";
    } else if (!loadTaskFile(app(), form, words[2]).loaded()) {
        m_out << form.name() << ".load=refused\n";
    }
    return true;
}

} // namespace zelmora
