// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_commands.hpp"

namespace zelmora {

namespace {

using enum BoardCommand;

// clang-format off
constexpr std::array<BoardCommandDesign, 14> table { {
    // command       id                 text                    tooltip
    //     icon              theme icon          keys                          checkable repeats gapAfter showsText
    { Undo,          "undo",            "تراجع",                "تراجع عن آخر حركة",
        "undo",          "edit-undo",        { "Ctrl+Z" },                 false, true,  false, false },
    { Redo,          "redo",            "إعادة",                "إعادة ما تُرُوجِع عنه",
        "redo",          "edit-redo",        { "Ctrl+Shift+Z", "Ctrl+Y" }, false, true,  true,  false },
    { Open,          "open",            "فتح",                  "فتح لوحة محفوظة",
        "open",          "document-open",    { "Ctrl+O" },                 false, false, false, false },
    { Save,          "save",            "حفظ",                  "حفظ اللوحة في ملف",
        "save",          "document-save",    { "Ctrl+S" },                 false, false, true,  false },
    { CopyPicture,   "copyPicture",     "نسخ الصورة",           "نسخ صورة اللوحة",
        "copy-picture",  "edit-copy",        { "Ctrl+C" },                 false, false, false, false },
    { SavePicture,   "savePicture",     "حفظ الصورة",           "حفظ صورة اللوحة بصيغة PNG",
        "save-picture",  "",                 {},                           false, false, false, false },
    { Print,         "print",           "طباعة",                "طباعة اللوحة",
        "print",         "document-print",   { "Ctrl+P" },                 false, false, true,  false },
    { FullScreen,    "fullScreen",      "ملء الشاشة",           "ملء الشاشة للعرض على السبورة (Esc للخروج)",
        "full-screen",   "view-fullscreen",  { "F11" },                    true,  false, false, false },
    { Algebra,       "algebra",         "الجبر",                "إظهار الجبر الذي تمثله القطع تحت اللوحة أو إخفاؤه",
        "algebra",       "",                 { "F2" },                     true,  false, false, true  },
    { Goal,          "goal",            "الهدف",                "تحديد هدف للمتعلم على هذه اللوحة، يتحقق منه البرنامج بعد كل حركة",
        "goal",          "",                 { "Ctrl+G" },                 false, false, false, false },
    { Lessons,       "lessons",         "الدروس",               "اختيار درس من الدروس الجاهزة لكل لوحة",
        "lessons",       "",                 { "Ctrl+L" },                 false, false, false, true  },
    { Share,         "share",           "مشاركة",               "رابط يفتح هذه اللوحة ومهمتها في المتصفح، لتوزيعه على المتعلمين",
        "share",         "",                 {},                           false, false, false, false },
    { ShowToolbar,   "toolbar",         "شريط الأدوات",         "إظهار شريط الأدوات أو إخفاؤه",
        "",              "",                 { "F10" },                    true,  false, false, false },
    { LeaveFullScreen, "leaveFullScreen", "الخروج من ملء الشاشة", "الخروج من ملء الشاشة",
        "",              "",                 { "Escape" },                 false, false, false, false },
} };
// clang-format on

} // namespace

std::span<BoardCommandDesign const> boardCommands()
{
    return table;
}

} // namespace zelmora
