// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson_library.hpp"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace zelmora::qt {

namespace {

std::string resourceText(QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray const bytes = file.readAll();
    return bytes.toStdString();
}

// The ids a kept list holds; none when it cannot be read, whatever is wrong with it.
std::set<std::string> readSolved(std::filesystem::path const& path)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024)
        return {};
    QJsonDocument const kept = QJsonDocument::fromJson(file.readAll());
    std::set<std::string> ids;
    for (auto const& id : kept.array())
        if (id.isString())
            ids.insert(id.toString().toStdString());
    return ids;
}

} // namespace

LessonLibrary::LessonLibrary(std::filesystem::path solvedFile)
    : m_lessons(readLessonSet(resourceText(QStringLiteral(":/lessons/lessons.json"))))
    , m_solved(readSolved(solvedFile))
    , m_solvedFile(std::move(solvedFile))
{ }

std::filesystem::path LessonLibrary::defaultSolvedFile()
{
    QString const folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return std::filesystem::path(folder.toStdString()) / "solved-lessons.json";
}

std::string LessonLibrary::fileOf(std::string const& id) const
{
    if (!m_lessons.lesson(id))
        return {};
    return resourceText(QStringLiteral(":/lessons/%1.zelmora").arg(QString::fromStdString(id)));
}

void LessonLibrary::goalReachedIn(Form const& form)
{
    std::string const id = m_held.lessonOf(form);
    if (id.empty() || !m_solved.insert(id).second)
        return;
    keepSolved();
}

void LessonLibrary::keepSolved() const
{
    // Losing the list is a small harm; a failure to keep it is not worth a message in class.
    QString const path = QString::fromStdString(m_solvedFile.string());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QJsonArray ids;
    for (auto const& id : m_solved)
        ids.append(QString::fromStdString(id));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(ids).toJson(QJsonDocument::Compact)) >= 0)
        file.commit();
}

} // namespace zelmora::qt
