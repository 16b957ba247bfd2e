// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_commands.hpp"

#include <QString>

#include <vector>

namespace zelmora::qt {

namespace {

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

std::vector<BoardCommandDesign> const& table()
{
    using enum BoardCommand;
    static std::vector<BoardCommandDesign> const commands {
        { Undo, "تراجع", "تراجع عن آخر حركة", "edit-undo", ":/toolbar/undo.svg", { keys(Qt::CTRL | Qt::Key_Z) }, true,
            false, true },
        { Redo, "إعادة", "إعادة ما تُرُوجِع عنه", "edit-redo", ":/toolbar/redo.svg",
            { keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), keys(Qt::CTRL | Qt::Key_Y) }, true, false, true },
        { Open, "فتح", "فتح لوحة محفوظة", "document-open", ":/toolbar/open.svg", { keys(Qt::CTRL | Qt::Key_O) }, true,
            false, false },
        { Save, "حفظ", "حفظ اللوحة في ملف", "document-save", ":/toolbar/save.svg", { keys(Qt::CTRL | Qt::Key_S) }, true,
            false, false },
        { CopyPicture, "نسخ الصورة", "نسخ صورة اللوحة", "edit-copy", ":/toolbar/copy-picture.svg",
            { keys(Qt::CTRL | Qt::Key_C) }, true, false, false },
        { SavePicture, "حفظ الصورة", "حفظ صورة اللوحة بصيغة PNG", nullptr, ":/toolbar/save-picture.svg", {}, true,
            false, false },
        { Print, "طباعة", "طباعة اللوحة", "document-print", ":/toolbar/print.svg", { keys(Qt::CTRL | Qt::Key_P) }, true,
            false, false },
        { FullScreen, "ملء الشاشة", "ملء الشاشة للعرض على السبورة (Esc للخروج)", "view-fullscreen",
            ":/toolbar/full-screen.svg", { keys(Qt::Key_F11) }, true, true, false },
        { Algebra, "الجبر", "إظهار الجبر الذي تمثله القطع تحت اللوحة أو إخفاؤه", nullptr, ":/toolbar/algebra.svg",
            { keys(Qt::Key_F2) }, true, true, false },
        { ShowToolbar, "شريط الأدوات", "إظهار شريط الأدوات أو إخفاؤه", nullptr, nullptr, { keys(Qt::Key_F10) }, false,
            true, false },
        { LeaveFullScreen, "الخروج من ملء الشاشة", "الخروج من ملء الشاشة", nullptr, nullptr, { keys(Qt::Key_Escape) },
            false, false, false },
    };
    return commands;
}

} // namespace

std::span<BoardCommandDesign const> boardCommands()
{
    return table();
}

BoardCommandDesign const* boardCommandOfKey(QKeyCombination combination)
{
    QKeySequence const pressed(combination);
    for (BoardCommandDesign const& design : table()) {
        if (design.keys.contains(pressed))
            return &design;
    }
    return nullptr;
}

QIcon boardCommandIcon(BoardCommandDesign const& design, Qt::LayoutDirection direction)
{
    if (!design.bundledIcon)
        return {};
    if (design.themeIcon) {
        QString const name = QString::fromLatin1(design.themeIcon);
        // Undo points back along the reading direction; themes draw that as a separate icon.
        if (direction == Qt::RightToLeft && QIcon::hasThemeIcon(name + "-rtl"))
            return QIcon::fromTheme(name + "-rtl");
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return QIcon(QString::fromLatin1(design.bundledIcon));
}

} // namespace zelmora::qt
