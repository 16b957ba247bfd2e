// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file.hpp"
#include "board_file_format.hpp"

#include "runtime/form.hpp"

#include <nlohmann/json.hpp>

namespace zelmora {

using board_file::Field;
using nlohmann::json;

namespace {

json valueOf(Field field, ControlState const& s)
{
    switch (field) {
    case Field::Left:
        return s.left;
    case Field::Top:
        return s.top;
    case Field::Width:
        return s.width;
    case Field::Height:
        return s.height;
    case Field::X1:
        return s.x1;
    case Field::Y1:
        return s.y1;
    case Field::X2:
        return s.x2;
    case Field::Y2:
        return s.y2;
    case Field::Visible:
        return s.visible;
    case Field::Appearance:
        return s.appearance;
    case Field::TabIndex:
        return s.tabIndex;
    case Field::Text:
        return s.text;
    case Field::Picture:
        return s.picture;
    }
    return nullptr;
}

json moduleOf(ModuleState const& module)
{
    json fields = json::object();
    for (auto const& field : module)
        if (board_file::keepsModuleField(board_file::formatVersion, field))
            fields[field.name] = field.isArray ? json(field.values) : json(field.values.at(0));
    return fields;
}

} // namespace

std::string saveBoard(Form const& form)
{
    FormSnapshot const state = form.snapshot();
    auto const controls = form.controlsInLayoutOrder();
    json entries = json::object();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto const fields = board_file::fieldsKept(board_file::formatVersion, form, *controls[i]);
        if (fields.empty())
            continue;
        json entry = json::object();
        for (Field field : fields)
            entry[board_file::keyOf(field)] = valueOf(field, state.controls[i]);
        entries[controls[i]->qualifiedName()] = std::move(entry);
    }
    json file = json::object();
    file[board_file::formatKey] = board_file::formatName;
    file[board_file::versionKey] = board_file::formatVersion;
    file[board_file::boardKey] = form.name();
    file[board_file::focusKey]
        = state.focus < 0 ? json(nullptr) : json(controls[static_cast<std::size_t>(state.focus)]->qualifiedName());
    file[board_file::moduleKey] = moduleOf(state.module);
    file[board_file::controlsKey] = std::move(entries);
    return file.dump(1) + "\n";
}

} // namespace zelmora
