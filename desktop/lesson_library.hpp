// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/lessons/lesson_set.hpp"

#include <QString>

#include <filesystem>
#include <set>
#include <string>

namespace zelmora::qt {

// The built-in lessons as the desktop keeps them: the table and the task files compiled in as
// resources, which lessons the board windows hold, and which ones this user has solved, kept in
// the user's data folder. A kept list that cannot be read is dropped: it never stops the program.
class LessonLibrary {
public:
    // The solved list is kept in this file; by default solved-lessons.json in the user's data folder.
    explicit LessonLibrary(std::filesystem::path solvedFile = defaultSolvedFile());

    LessonSet const& lessons() const { return m_lessons; }
    // The task file of the lesson, empty when there is none.
    std::string fileOf(std::string const& id) const;

    HeldLessons& held() { return m_held; }
    bool solved(std::string const& id) const { return m_solved.contains(id); }
    // The lesson the window holds, if any, is solved: noted and kept at once.
    void goalReachedIn(Form const&);

    static std::filesystem::path defaultSolvedFile();

private:
    void keepSolved() const;

    LessonSet m_lessons;
    HeldLessons m_held;
    std::set<std::string> m_solved;
    std::filesystem::path m_solvedFile;
};

} // namespace zelmora::qt
