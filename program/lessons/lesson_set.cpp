// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson_set.hpp"

#include "program/tasks/tasks.hpp"
#include "program/windows.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <set>

namespace zelmora {

namespace {

// Far more than 4 boards of lessons need; a bigger text is no lesson table.
constexpr std::size_t tableMaxBytes = 1 << 20;

constexpr std::array<std::string_view, 4> boardNames {
    "اللوحة الأولى: نموذج المساحة للضرب",
    "اللوحة الثانية: نموذج المساحة بالإشارات",
    "اللوحة الثالثة: الجمع والطرح",
    "اللوحة الرابعة: ميزان المعادلة",
};

LessonSet refused(std::string problem)
{
    return { {}, std::move(problem) };
}

// Lower-case letters, digits and dashes, not starting with a dash: a file name on every system,
// and never a path.
bool plainId(std::string const& id)
{
    return !id.empty() && id.size() <= 64 && id.front() != '-' && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

std::string textOf(nlohmann::json const& object, char const* key)
{
    auto const found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

bool blank(std::string const& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

Lesson const* LessonSet::lesson(std::string_view id) const
{
    for (BoardLessons const& board : boards)
        for (Lesson const& lesson : board.lessons)
            if (lesson.id == id)
                return &lesson;
    return nullptr;
}

LessonSet readLessonSet(std::string_view json)
{
    if (json.size() > tableMaxBytes)
        return refused("جدول الدروس أكبر من أن يكون جدول دروس");
    auto const table = nlohmann::json::parse(json, nullptr, false);
    if (table.is_discarded() || !table.is_object() || !table.contains("boards") || !table["boards"].is_array())
        return refused("تعذرت قراءة جدول الدروس");
    LessonSet set;
    std::set<std::string> ids;
    for (auto const& board : table["boards"]) {
        if (!board.is_object())
            return refused("تعذرت قراءة جدول الدروس");
        std::string window = textOf(board, "window");
        auto const number = boardNumber(window);
        if (!number
            || std::any_of(set.boards.begin(), set.boards.end(), [&](auto const& b) { return b.window == window; }))
            return refused("جدول الدروس يذكر لوحة غير معروفة أو يذكرها مرتين");
        auto const lessons = board.find("lessons");
        if (lessons == board.end() || !lessons->is_array())
            return refused("تعذرت قراءة جدول الدروس");
        BoardLessons read { std::move(window), std::string(boardNames.at(static_cast<std::size_t>(*number - 1))), {} };
        for (auto const& lesson : *lessons) {
            if (!lesson.is_object())
                return refused("تعذرت قراءة جدول الدروس");
            Lesson entry { textOf(lesson, "id"), textOf(lesson, "title"), textOf(lesson, "guide") };
            if (!plainId(entry.id) || !ids.insert(entry.id).second)
                return refused("في جدول الدروس درس بلا اسم ملف صالح أو اسم مكرر");
            if (blank(entry.title))
                return refused("في جدول الدروس درس بلا عنوان");
            read.lessons.push_back(std::move(entry));
        }
        set.boards.push_back(std::move(read));
    }
    return set;
}

std::vector<BoardLessons const*> lessonGroupsFrom(LessonSet const& set, std::string_view window)
{
    std::vector<BoardLessons const*> groups;
    for (BoardLessons const& board : set.boards)
        groups.push_back(&board);
    std::stable_partition(groups.begin(), groups.end(), [&](BoardLessons const* b) { return b->window == window; });
    return groups;
}

Lesson const* lessonInGuide(LessonSet const& set, std::string_view anchor, std::string_view id)
{
    Lesson const* lesson = set.lesson(id);
    return lesson && lesson->guide == anchor ? lesson : nullptr;
}

LessonListTexts const& lessonListTexts()
{
    static LessonListTexts const texts {
        .title = "الدروس",
        .solved = "محلول",
        .close = "إغلاق",
        .openLesson = "افتح الدرس",
        .unavailable = "تعذر تحميل الدروس. تحقق من الاتصال ثم حاول مرة أخرى.",
    };
    return texts;
}

void HeldLessons::opened(Form const& form, std::string id)
{
    auto goal = goalOf(form);
    if (goal)
        m_held.insert_or_assign(form.name(), Held { std::move(id), std::move(*goal) });
    else
        m_held.erase(form.name());
}

std::string HeldLessons::lessonOf(Form const& form) const
{
    auto const held = m_held.find(form.name());
    auto const goal = goalOf(form);
    return held != m_held.end() && goal && *goal == held->second.goal ? held->second.id : std::string();
}

} // namespace zelmora
