// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_text.hpp"

#include "program/links/share_link.hpp"

#include <filesystem>
#include <string>
#include <system_error>

namespace zelmora::qt {

namespace {

bool looksLikeLink(std::string_view text)
{
    for (std::string_view scheme : { "http:", "https:", "file:" })
        if (text.starts_with(scheme))
            return true;
    return text.starts_with(shareLinkKey) || text.find(std::string("#").append(shareLinkKey)) != text.npos;
}

} // namespace

bool isLinkText(std::string_view text)
{
    std::error_code ignored;
    return looksLikeLink(text) && !std::filesystem::exists(std::filesystem::path(text), ignored);
}

} // namespace zelmora::qt
