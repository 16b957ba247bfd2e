// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/tasks/goal.hpp"
#include "runtime/form.hpp"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// The built-in lessons (lessons/lessons.json): for each board, in the table's order, its lessons,
// each a task file lessons/ID.zelmora. Views fetch or embed the table's text and ask here what it
// holds; a lesson's id is a plain file name, so that a view can fetch its file without more ado.
struct Lesson {
    std::string id;
    std::string title;
    std::string guide; // the guide's section (its anchor name) the lesson belongs to
};

struct BoardLessons {
    std::string window; // the board window the lessons open in
    std::string name;   // the board as the list heads its group, in Arabic
    std::vector<Lesson> lessons;
};

struct LessonSet {
    std::vector<BoardLessons> boards;
    std::string problem; // why the table was refused, in Arabic; empty when it was read

    bool read() const { return problem.empty(); }
    Lesson const* lesson(std::string_view id) const;
};

// Reads the table's JSON text whole; a table that is no JSON, names a window that is no board or a
// board twice, or holds a lesson without a plain id or a title, or an id twice, is refused.
LessonSet readLessonSet(std::string_view json);

// The groups as a list shown from that window shows them: its own board's first, then the others
// in the table's order.
std::vector<BoardLessons const*> lessonGroupsFrom(LessonSet const&, std::string_view window);

// The lesson a mark in the guide's section ANCHOR names, or null when there is no such lesson or it
// belongs to another section: a mark left in the wrong place links nothing.
Lesson const* lessonInGuide(LessonSet const&, std::string_view anchor, std::string_view id);

// The words of the lesson list and of the guide's links to it.
struct LessonListTexts {
    std::string_view title;       // the list's heading
    std::string_view solved;      // the mark of a lesson this device solved
    std::string_view close;       // the list's close button
    std::string_view openLesson;  // before a lesson's title in the guide: "افتح الدرس"
    std::string_view unavailable; // a lesson or the table that could not be fetched
};
LessonListTexts const& lessonListTexts();

// Which lesson each board window holds: noted when a lesson's file is opened into it, with the goal
// the file set. A window holds the lesson only while it keeps that goal, so that a goal a teacher
// sets or removes later, another file, or a board closed and opened again holds no lesson.
class HeldLessons {
public:
    void opened(Form const&, std::string id);
    // The lesson the window holds, or empty.
    std::string lessonOf(Form const&) const;

private:
    struct Held {
        std::string id;
        Goal goal;
    };
    std::map<std::string, Held, std::less<>> m_held;
};

} // namespace zelmora
