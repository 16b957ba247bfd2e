// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the core: one class, every answer JSON text (see web_program.hpp).
#include "web_program.hpp"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(zelmora)
{
    using zelmora::web::WebProgram;
    emscripten::class_<WebProgram>("Program")
        .constructor<>()
        .function("state", &WebProgram::state)
        .function("window", &WebProgram::window)
        .function("windowLook", &WebProgram::windowLook)
        .function("changedWindows", &WebProgram::changedWindows)
        .function("takeEvents", &WebProgram::takeEvents)
        .function("mouseDown", &WebProgram::mouseDown)
        .function("mouseMove", &WebProgram::mouseMove)
        .function("mouseUp", &WebProgram::mouseUp)
        .function("doubleClick", &WebProgram::doubleClick)
        .function("key", &WebProgram::key)
        .function("closeBox", &WebProgram::closeBox)
        .function("bringToFront", &WebProgram::bringToFront)
        .class_function("boardCommands", &WebProgram::boardCommands)
        .function("tools", &WebProgram::tools)
        .function("undo", &WebProgram::undo)
        .function("redo", &WebProgram::redo)
        .function("saveBoard", &WebProgram::saveBoard)
        .function("openBoard", &WebProgram::openBoard)
        .class_function("boardFileLimit", &WebProgram::boardFileLimit)
        .function("shareLink", &WebProgram::shareLink)
        .function("openShareLink", &WebProgram::openShareLink)
        .function("goalPanel", &WebProgram::goalPanel)
        .function("previewGoal", &WebProgram::previewGoal)
        .function("setGoal", &WebProgram::setGoal)
        .function("removeGoal", &WebProgram::removeGoal)
        .class_function("lessonList", &WebProgram::lessonList)
        .class_function("lessonInGuide", &WebProgram::lessonInGuide)
        .function("openLesson", &WebProgram::openLesson)
        .function("heldLesson", &WebProgram::heldLesson);
}
