// SPDX-License-Identifier: GPL-3.0-or-later
#include "refusal_messages.hpp"

#include <array>
#include <utility>

namespace zelmora {

std::string_view refusalMessage(Refusal refusal)
{
    // Each tells what is wrong and that the board on the screen is as it was.
    static constexpr std::array<std::pair<Refusal, std::string_view>, 8> messages { {
        { Refusal::None, "" },
        { Refusal::Unreadable, "تعذّرت قراءة هذا الملف، فلم يُفتح. بقيت اللوحة كما هي." },
        { Refusal::TooLarge, "هذا الملف أكبر من أن يكون لوحة محفوظة، فلم يُفتح. بقيت اللوحة كما هي." },
        { Refusal::NotBoardFile, "هذا الملف ليس لوحة محفوظة، فلم يُفتح. بقيت اللوحة كما هي." },
        { Refusal::OtherBoard, "هذا الملف محفوظ من لوحة أخرى؛ افتحه من تلك اللوحة. بقيت هذه اللوحة كما هي." },
        { Refusal::NewerVersion, "هذا الملف محفوظ بإصدار أحدث من البرنامج؛ حدّث البرنامج لفتحه. بقيت اللوحة كما هي." },
        { Refusal::Damaged, "هذا الملف تالف أو فيه قيم غير صالحة، فلم يُفتح. بقيت اللوحة كما هي." },
        { Refusal::Busy, "أفلت زر الفأرة أولًا، ثم افتح الملف. بقيت اللوحة كما هي." },
    } };
    return messages[static_cast<std::size_t>(refusal)].second;
}

std::string_view linkRefusalMessage(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        return "";
    case Refusal::NotBoardFile:
        return "هذا الرابط ليس رابط لوحة من هذا البرنامج، فلم يُفتح. بقيت اللوحة كما هي.";
    case Refusal::NewerVersion:
        return "هذا الرابط صُنع بإصدار أحدث من البرنامج؛ حدّث البرنامج لفتحه. بقيت اللوحة كما هي.";
    case Refusal::Busy:
        return "أفلت زر الفأرة أولًا، ثم افتح الرابط. بقيت اللوحة كما هي.";
    case Refusal::Unreadable:
    case Refusal::TooLarge:
    case Refusal::OtherBoard:
    case Refusal::Damaged:
        break;
    }
    return "هذا الرابط تالف أو فيه قيم غير صالحة، فلم يُفتح. بقيت اللوحة كما هي.";
}

LoadResult refusedLoad(Refusal refusal, std::string detail)
{
    return LoadResult { refusal, std::string(refusalMessage(refusal)), std::move(detail) };
}

} // namespace zelmora
