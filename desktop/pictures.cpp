// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.hpp"

#include <QString>

#include <array>

namespace zelmora::qt {

namespace {

struct PictureEntry {
    std::string_view name;
    char const* resource;
};

constexpr std::array pictureFiles {
    PictureEntry { "bin-empty", ":/bin-empty.xpm" },
    PictureEntry { "bin-full", ":/bin-full.xpm" },
    PictureEntry { "balance", ":/balance.xpm" },
};

} // namespace

QImage const& picture(std::string_view name)
{
    // Loaded once each; the resources are compiled into the program.
    static std::array<QImage, pictureFiles.size()> const images = [] {
        std::array<QImage, pictureFiles.size()> loaded;
        for (std::size_t i = 0; i < pictureFiles.size(); ++i)
            loaded[i] = QImage(QString::fromLatin1(pictureFiles[i].resource))
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return loaded;
    }();
    static QImage const none;
    for (std::size_t i = 0; i < pictureFiles.size(); ++i)
        if (pictureFiles[i].name == name)
            return images[i];
    return none;
}

QIcon windowIcon()
{
    // Made afresh for each window: a QIcon outliving the application would hold dead pixmaps.
    QIcon icon;
    icon.addFile(":/pencil-16.xpm", { 16, 16 });
    icon.addFile(":/pencil-32.xpm", { 32, 32 });
    return icon;
}

} // namespace zelmora::qt
