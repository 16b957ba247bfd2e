// SPDX-License-Identifier: GPL-3.0-or-later
// The script's shared links: what the share command gives a teacher, and a link opened as the
// page or the desktop opens one. A link is printed as its fragment, after the '#' (which
// begins a comment in a script): the page's address before it is the view's, not the board's.
#include "script_runner.hpp"

#include "program/windows.hpp"

#include <ostream>

namespace zelmora {

bool ScriptRunner::runLinkCommand(std::vector<std::string> const& words)
{
    if (words[0] != "openlink")
        return false;
    if (words.size() != 2)
        throw LineError { "wrong number of words for openlink" };
    if (!m_session.openShareLink(words[1]).loaded())
        m_out << "link=refused\n";
    return true;
}

std::string ScriptRunner::linkQuery(Form& form, std::string_view what) const
{
    if (!isBoardWindow(form.name()))
        throw LineError { "window " + form.name() + " is no board" };
    std::string const link = Session::shareLink(form);
    if (what == "link-length")
        return form.name() + ".link-length=" + std::to_string(link.size()) + "\n";
    return form.name() + ".link=\"" + link.substr(link.find('#') + 1) + "\"\n";
}

} // namespace zelmora
