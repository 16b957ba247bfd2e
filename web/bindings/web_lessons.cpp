// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's lesson list and the guide's links to it ask of the program: the lesson table as
// the list shows it, a lesson opened into its board, and which lesson a board holds.
#include "web_program.hpp"

#include "program/lessons/lesson_set.hpp"

#include <nlohmann/json.hpp>

namespace zelmora::web {

namespace {

nlohmann::json listTexts()
{
    LessonListTexts const& texts = lessonListTexts();
    return { { "title", texts.title }, { "solved", texts.solved }, { "close", texts.close },
        { "openLesson", texts.openLesson }, { "unavailable", texts.unavailable } };
}

nlohmann::json group(BoardLessons const& board)
{
    nlohmann::json lessons = nlohmann::json::array();
    for (Lesson const& lesson : board.lessons)
        lessons.push_back({ { "id", lesson.id }, { "title", lesson.title } });
    return { { "window", board.window }, { "name", board.name }, { "lessons", std::move(lessons) } };
}

} // namespace

std::string WebProgram::lessonList(std::string const& table, std::string const& window)
{
    LessonSet const set = readLessonSet(table);
    nlohmann::json boards = nlohmann::json::array();
    for (BoardLessons const* board : lessonGroupsFrom(set, window))
        boards.push_back(group(*board));
    return nlohmann::json {
        { "texts", listTexts() }, { "boards", std::move(boards) }, { "problem", set.problem }
    }.dump();
}

std::string WebProgram::lessonInGuide(std::string const& table, std::string const& anchor, std::string const& id)
{
    LessonSet const set = readLessonSet(table);
    Lesson const* lesson = zelmora::lessonInGuide(set, anchor, id);
    if (!lesson)
        return "null";
    std::string link = std::string(lessonListTexts().openLesson) + ": " + lesson->title;
    return nlohmann::json { { "id", lesson->id }, { "title", lesson->title }, { "link", std::move(link) } }.dump();
}

std::string WebProgram::openLesson(std::string const& id, std::string const& bytes)
{
    std::string const answer = openBoard("", bytes);
    auto const opened = nlohmann::json::parse(answer);
    Form const* form = m_session.window(opened.value("window", ""));
    if (form && opened.value("loaded", false))
        m_lessons.opened(*form, id);
    return answer;
}

std::string WebProgram::heldLesson(std::string const& window) const
{
    Form const* form = m_session.window(window);
    return form ? m_lessons.lessonOf(*form) : std::string();
}

} // namespace zelmora::web
