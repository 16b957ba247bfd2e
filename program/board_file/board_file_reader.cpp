// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file.hpp"
#include "board_file_format.hpp"
#include "refusal_messages.hpp"

#include "runtime/application.hpp"
#include "runtime/numbers.hpp"
#include "runtime/runtime_error.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace zelmora {

using board_file::Field;
using nlohmann::json;

namespace {

// Thrown by the checks below; nothing has touched the window when it is.
struct Refused {
    Refusal refusal;
    std::string detail;
};

[[noreturn]] void refuse(Refusal refusal, std::string detail)
{
    throw Refused { refusal, std::move(detail) };
}

[[noreturn]] void damaged(std::string detail)
{
    refuse(Refusal::Damaged, std::move(detail));
}

// The parser keeps the last of two equal keys without a word; a file holding both is damaged. An
// object that ends up with fewer members than keys were read had one twice.
json parseRejectingDuplicateKeys(std::string_view bytes)
{
    if (board_file::nestedTooDeep(bytes))
        refuse(Refusal::NotBoardFile, "nested more than " + std::to_string(board_file::maxNesting) + " deep");
    std::vector<std::size_t> keysPerLevel;
    bool duplicate = false;
    auto watch = [&](int, json::parse_event_t event, json& parsed) {
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start:
            keysPerLevel.push_back(0);
            break;
        case json::parse_event_t::object_end:
            duplicate = duplicate || (!keysPerLevel.empty() && parsed.size() != keysPerLevel.back());
            [[fallthrough]];
        case json::parse_event_t::array_end:
            if (!keysPerLevel.empty())
                keysPerLevel.pop_back();
            break;
        case json::parse_event_t::key:
            if (!keysPerLevel.empty())
                ++keysPerLevel.back();
            break;
        case json::parse_event_t::value:
            break;
        }
        return true;
    };
    json parsed;
    try {
        parsed = json::parse(bytes.begin(), bytes.end(), watch);
    } catch (json::parse_error const& e) {
        refuse(Refusal::NotBoardFile, std::string("not JSON: ") + e.what());
    }
    if (duplicate)
        damaged("a member appears twice in one object");
    return parsed;
}

template<typename Keys> void expectExactly(json const& object, Keys const& keys, std::string const& where)
{
    if (!object.is_object())
        damaged(where + " is not an object");
    for (auto const& key : keys)
        if (!object.contains(key))
            damaged(where + " lacks \"" + std::string(key) + "\"");
    if (object.size() != std::size(keys)) {
        for (auto const& [key, value] : object.items())
            if (std::find(std::begin(keys), std::end(keys), key) == std::end(keys))
                damaged(where + " has an unknown member \"" + key + "\"");
    }
}

double numberIn(json const& value, double least, double most, std::string const& where)
{
    if (!value.is_number())
        damaged(where + " is not a number");
    double const number = value.get<double>();
    if (!std::isfinite(number) || number < least || number > most)
        damaged(where + " is out of range");
    return number;
}

Integer integerIn(json const& value, int least, int most, std::string const& where)
{
    if (!value.is_number_integer())
        damaged(where + " is not a whole number");
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() > std::uint64_t(most)
                                   : value.get<std::int64_t>() < least || value.get<std::int64_t>() > most)
        damaged(where + " is out of range");
    return static_cast<Integer>(value.get<std::int64_t>());
}

// The farthest a position may lie from the window's corner, either way.
constexpr double positionLimit = 32767;

Single position(json const& value, std::string const& where)
{
    return static_cast<Single>(numberIn(value, -positionLimit, positionLimit, where));
}

std::string const& stringValue(json const& value, std::string const& where)
{
    if (!value.is_string())
        damaged(where + " is not text");
    return value.get_ref<std::string const&>();
}

// A text box holds the number the board adds lengths to.
std::string measureText(json const& value, std::string const& where)
{
    std::string const& text = stringValue(value, where);
    try {
        if (text.size() <= 32 && std::isfinite(textToNumber(text)))
            return text;
    } catch (RuntimeError const&) { }
    damaged(where + " is not a number");
}

// The places in the tab order as they stand; moving a control in the order keeps the same places.
std::multiset<int> tabPlaces(FormSnapshot const& current)
{
    std::multiset<int> places;
    for (auto const& c : current.controls)
        if (c.tabIndex >= 0)
            places.insert(c.tabIndex);
    return places;
}

void readControl(Form const& form, Control const& control, std::vector<Field> const& fields, json const& entry,
    ControlState& state, std::string const& where)
{
    std::vector<std::string_view> keys;
    for (Field f : fields)
        keys.push_back(board_file::keyOf(f));
    expectExactly(entry, keys, where);
    for (Field f : fields) {
        json const& value = entry.at(board_file::keyOf(f));
        std::string const at = where + "." + std::string(board_file::keyOf(f));
        switch (f) {
        case Field::Left:
            state.left = position(value, at);
            break;
        case Field::Top:
            state.top = position(value, at);
            break;
        case Field::Width:
            state.width = static_cast<Single>(numberIn(value, 0, positionLimit, at));
            break;
        case Field::Height:
            state.height = static_cast<Single>(numberIn(value, 0, positionLimit, at));
            break;
        case Field::X1:
            state.x1 = position(value, at);
            break;
        case Field::Y1:
            state.y1 = position(value, at);
            break;
        case Field::X2:
            state.x2 = position(value, at);
            break;
        case Field::Y2:
            state.y2 = position(value, at);
            break;
        case Field::Visible:
            if (!value.is_boolean())
                damaged(at + " is not true or false");
            state.visible = value.get<bool>();
            break;
        case Field::Appearance:
            state.appearance = integerIn(value, 0, 1, at);
            break;
        case Field::TabIndex:
            state.tabIndex = integerIn(value, 0, 32767, at);
            break;
        case Field::Text:
            state.text = measureText(value, at);
            break;
        case Field::Picture:
            state.picture = stringValue(value, at);
            if (auto const pictures = form.picturesItMayShow(control);
                std::find(pictures.begin(), pictures.end(), state.picture) == pictures.end())
                damaged(at + " names no picture this image shows");
            break;
        }
    }
    // A button keeps its two sides; a tile only turns a quarter, which swaps them.
    bool const sameSides = state.width == control.width && state.height == control.height;
    bool const turned = state.width == control.height && state.height == control.width;
    if (control.isButton() && !sameSides && !turned)
        damaged(where + " has a size that is not its own");
}

void readControls(Form const& form, int version, json const& entries, FormSnapshot& state)
{
    auto const controls = form.controlsInLayoutOrder();
    std::vector<std::string> names;
    for (auto const* c : controls)
        if (!board_file::fieldsKept(version, form, *c).empty())
            names.push_back(c->qualifiedName());
    expectExactly(entries, names, "controls");
    std::multiset<int> const places = tabPlaces(state);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto const fields = board_file::fieldsKept(version, form, *controls[i]);
        if (!fields.empty())
            readControl(form, *controls[i], fields, entries.at(controls[i]->qualifiedName()), state.controls[i],
                controls[i]->qualifiedName());
    }
    std::multiset<int> tabIndices;
    for (auto const& c : state.controls)
        if (c.tabIndex >= 0)
            tabIndices.insert(c.tabIndex);
    // Tab and Shift+Tab walk the places in order: each must be taken exactly once.
    if (tabIndices != places)
        damaged("the tab order does not hold each place once");
}

void readFocus(Form const& form, json const& focus, FormSnapshot& state)
{
    if (focus.is_null()) {
        state.focus = -1;
        return;
    }
    std::string const& name = stringValue(focus, "focus");
    auto const controls = form.controlsInLayoutOrder();
    auto const it
        = std::find_if(controls.begin(), controls.end(), [&](Control const* c) { return c->qualifiedName() == name; });
    if (it == controls.end() || !(*it)->takesFocus())
        damaged("focus names no control that can hold it");
    state.focus = static_cast<int>(it - controls.begin());
}

void readModule(Form const& form, int version, json const& module, FormSnapshot& state)
{
    std::vector<std::string> names;
    for (auto const& field : state.module)
        if (board_file::keepsModuleField(version, field))
            names.push_back(field.name);
    expectExactly(module, names, "module");
    for (auto& field : state.module) {
        if (!board_file::keepsModuleField(version, field))
            continue;
        json const& value = module.at(field.name);
        std::string const where = "module." + field.name;
        if (!field.isArray) {
            field.values.at(0) = integerIn(value, -32768, 32767, where);
            continue;
        }
        if (!value.is_array() || value.size() != field.values.size())
            damaged(where + " does not hold " + std::to_string(field.values.size()) + " numbers");
        for (std::size_t i = 0; i < field.values.size(); ++i)
            field.values[i] = integerIn(value[i], -32768, 32767, where + "[" + std::to_string(i) + "]");
    }
    if (auto const problem = form.moduleStateProblem(state.module); !problem.empty())
        damaged(problem);
}

// The homes the window's module gives its tiles, by member index; empty for a window with none.
std::vector<Integer> const& homes(FormSnapshot const& state, std::string_view name)
{
    static std::vector<Integer> const none;
    for (auto const& field : state.module)
        if (field.name == name)
            return field.values;
    return none;
}

// How far past the window's edge a tile may lie. Snapping and measuring may push a dropped tile a
// little way out (Board 2 lines a small tile up just above the top edge), and tiles wait above the
// top edge at their homes; a tile much farther out could never be taken again.
constexpr Single reachBeyondEdge = 2000;

bool withinReach(Form const& form, ControlState const& c)
{
    return c.left < form.window().clientWidth + reachBeyondEdge && c.left + c.width > -reachBeyondEdge
        && c.top < form.window().clientHeight + reachBeyondEdge && c.top + c.height > -reachBeyondEdge;
}

// A version 2 file holds only what a learner changes, so it is held to what a learner could make:
// a tile out on the board lies in or near the window, where it can be taken again, and so does
// a product rectangle, which is measured around the tiles; a tile in the reserve stands at its
// home, where the palette brings it out; the focus is on a tile or on a visible control that takes it.
void expectWithinReach(Form const& form, FormSnapshot const& state)
{
    auto const controls = form.controlsInLayoutOrder();
    auto const& homeLeft = homes(state, "homeLeft");
    auto const& homeTop = homes(state, "homeTop");
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control const& control = *controls[i];
        ControlState const& c = state.controls[i];
        std::string const name = control.qualifiedName();
        if (board_file::isTile(control)) {
            auto const index = static_cast<std::size_t>(control.index);
            bool const atHome = index < homeLeft.size() && index < homeTop.size() && c.left == homeLeft[index]
                && c.top == homeTop[index];
            if (c.visible && !withinReach(form, c))
                damaged(name + " lies out of the window's reach");
            if (!c.visible && !atHome)
                damaged(name + " is in the reserve but not at its home");
        } else if (control.kind == ControlKind::Shape || control.isButton()) {
            if (!board_file::fieldsKept(board_file::formatVersion, form, control).empty() && !withinReach(form, c))
                damaged(name + " lies far outside the window");
        }
    }
    if (state.focus >= 0) {
        auto const focus = static_cast<std::size_t>(state.focus);
        if (!board_file::isTile(*controls[focus]) && !state.controls[focus].visible)
            damaged("the focus is on a hidden control, which no learner can give it");
    }
}

// Every value of the file, checked against the window; the window itself is not touched.
FormSnapshot readBoard(Form const& form, std::string_view bytes, bool taskRead)
{
    if (bytes.size() > boardFileMaxBytes)
        refuse(Refusal::TooLarge, "larger than " + std::to_string(boardFileMaxBytes) + " bytes");
    json file = parseRejectingDuplicateKeys(bytes);
    if (taskRead && file.is_object())
        file.erase(std::string(board_file::taskKey));
    if (!file.is_object() || !file.contains(board_file::formatKey)
        || file.at(board_file::formatKey) != board_file::formatName)
        refuse(Refusal::NotBoardFile, "no \"format\": \"zelmora-board\"");
    json const& version = file.contains(board_file::versionKey) ? file.at(board_file::versionKey) : json();
    if (!version.is_number_integer())
        damaged("version is not a whole number");
    bool const newer = version.is_number_unsigned()
        ? version.get<std::uint64_t>() > std::uint64_t(board_file::formatVersion)
        : version.get<std::int64_t>() > board_file::formatVersion;
    if (newer)
        refuse(Refusal::NewerVersion, "version " + version.dump() + " is newer than this program reads");
    int const written = static_cast<int>(version.get<std::int64_t>());
    if (written != board_file::formatVersion && written != board_file::firstFormatVersion)
        damaged("version " + version.dump() + " was never written");
    if (file.contains(board_file::boardKey) && file.at(board_file::boardKey).is_string()
        && file.at(board_file::boardKey).get_ref<std::string const&>() != form.name())
        refuse(Refusal::OtherBoard, "saved from " + file.at(board_file::boardKey).get<std::string>());
    expectExactly(file, board_file::topLevelKeys, "the file");
    stringValue(file.at(board_file::boardKey), "board");

    FormSnapshot state = form.snapshot();
    readControls(form, written, file.at(board_file::controlsKey), state);
    readFocus(form, file.at(board_file::focusKey), state);
    readModule(form, written, file.at(board_file::moduleKey), state);
    if (written != board_file::firstFormatVersion)
        expectWithinReach(form, state);
    return state;
}

// A file with a task member is taken only from a caller that has read the task.
LoadResult load(Application& app, Form& form, std::string_view bytes, bool taskRead, std::vector<std::string> record)
{
    FormSnapshot state;
    try {
        state = readBoard(form, bytes, taskRead);
    } catch (Refused const& r) {
        return refusedLoad(r.refusal, r.detail);
    } catch (json::exception const& e) {
        return refusedLoad(Refusal::Damaged, e.what());
    }
    state.record = std::move(record);
    if (!app.replaceState(form, state))
        return refusedLoad(Refusal::Busy, "an action is in progress");
    return {};
}

} // namespace

LoadResult loadBoard(Application& app, Form& form, std::string_view bytes)
{
    return load(app, form, bytes, false, form.record());
}

LoadResult loadBoardWithTask(Application& app, Form& form, std::string_view bytes, std::vector<std::string> record)
{
    return load(app, form, bytes, true, std::move(record));
}

} // namespace zelmora
