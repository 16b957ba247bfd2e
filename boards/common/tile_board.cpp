// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_board.hpp"

#include "runtime/numbers.hpp"
#include "tile_pool.hpp"

#include <algorithm>

namespace zelmora {

namespace {

// The hidden images that keep the bin's two pictures.
constexpr std::string_view emptyBinStore = "Image4";
constexpr std::string_view fullBinStore = "Image3";

} // namespace

TileBoard::TileBoard(FormLayout layout, TileBoardTraits traits)
    : Form(std::move(layout))
    , m_traits(traits)
{
    m_members = array("Command1");
    // Entry 141 of the homes is never written and stays 0.
    m_homeLeft.assign(m_members.size(), 0);
    m_homeTop.assign(m_members.size(), 0);
    auto const unitSquare = std::find_if(m_members.begin(), m_members.end(),
        [](Control const* c) { return c && c->caption == captionOf(TileKind::One); });
    if (unitSquare != m_members.end())
        m_unit = (*unitSquare)->width;
}

void TileBoard::onLoad()
{
    for (int i = 0; i < m_traits.tileCount; ++i) {
        m_homeLeft[static_cast<std::size_t>(i)] = toInteger(tile(i).left);
        m_homeTop[static_cast<std::size_t>(i)] = toInteger(tile(i).top);
    }
}

ModuleState TileBoard::moduleState() const
{
    return {
        { "homeLeft", m_homeLeft, true },
        { "homeTop", m_homeTop, true },
        { "dragIndex", { m_dragIndex }, false },
        { "grabX", { m_grabX }, false },
        { "grabY", { m_grabY }, false },
    };
}

void TileBoard::restoreModuleState(ModuleState const& state)
{
    // The fields come in the order moduleState() lists them.
    m_homeLeft = state.at(0).values;
    m_homeTop = state.at(1).values;
    m_dragIndex = state.at(2).values.at(0);
    m_grabX = state.at(3).values.at(0);
    m_grabY = state.at(4).values.at(0);
}

std::string TileBoard::moduleStateProblem(ModuleState const& state) const
{
    // Every drop reaches the dragged tile through dragIndex, so it must name a tile.
    Integer const dragged = state.at(2).values.at(0);
    if (dragged < 0 || dragged >= m_traits.tileCount)
        return "dragIndex " + std::to_string(dragged) + " names no tile";
    return {};
}

void TileBoard::moveTile(int index, Single left, Single top)
{
    Control& t = tile(index);
    t.left = left;
    t.top = top;
}

void TileBoard::sendHome(int index)
{
    tile(index).left = homeLeft(index);
    tile(index).top = homeTop(index);
}

void TileBoard::hideAndSendHome(int index)
{
    tile(index).visible = false;
    sendHome(index);
}

void TileBoard::focusMeasuringButton()
{
    setFocus(measuringButton());
}

void TileBoard::pressMeasuringButton()
{
    press(measuringButton());
}

void TileBoard::showBinPicture(std::string_view store)
{
    binPicture().picture = control(store).picture;
}

std::vector<std::string> TileBoard::picturesItMayShow(Control const& c) const
{
    if (!isBinPicture(c))
        return Form::picturesItMayShow(c);
    return { laidOutPicture(c), laidOutPicture(control(emptyBinStore)), laidOutPicture(control(fullBinStore)) };
}

bool TileBoard::isLikeTileWithOtherMark(int dragged, int target) const
{
    Control const& d = tile(dragged);
    Control const& t = tile(target);
    return d.visible && d.caption == t.caption && dragged != target && d.appearance != t.appearance;
}

void TileBoard::afterBoardDrop()
{
    focusMeasuringButton();
    pressMeasuringButton();
}

void TileBoard::afterTileDrop(int)
{
    afterBoardDrop();
}

void TileBoard::onClick(Control& c)
{
    if (c.name == "Command1") {
        onTileClick(c.index);
        return;
    }
    if (c.name == "Command10") {
        unload();
        return;
    }
    if (m_traits.hasPalette) {
        for (auto const& button : paletteButtons) {
            if (c.name == button.name) {
                m_revealed = revealNext(button.kind);
                return;
            }
        }
    }
    onButtonClick(c);
}

int TileBoard::revealNext(TileKind kind)
{
    auto const& order = paletteCheckOrder(kind);
    for (std::size_t k = 0; k + 1 < order.size(); ++k) {
        if (!tile(order[k]).visible) {
            tile(order[k]).visible = true;
            return order[k];
        }
    }
    tile(order.back()).visible = true;
    return order.back();
}

bool TileBoard::isDraggable(Control const& c) const
{
    return c.name == "Command1" && !(m_traits.hasSpecialMember && c.index == specialMember);
}

void TileBoard::onMouseDown(Control& c, MouseButton, int, Single x, Single y)
{
    if (!isDraggable(c))
        return;
    beginDrag(c);
    m_dragIndex = c.index;
    m_takenFromHome = c.left == homeLeft(c.index) && c.top == homeTop(c.index);
    m_grabX = toInteger(x);
    m_grabY = toInteger(y);
    afterPress(c.index);
}

void TileBoard::onDragDrop(Control* target, Single x, Single y)
{
    if (!target) {
        dropOnBoard(x, y);
    } else if (target->name == "Command1") {
        dropOnTile(target->index, x, y);
    } else if (target->name == "Image1" && m_traits.hasRotationZone) {
        rotate();
    } else if (isBinPicture(*target)) {
        dropInBin();
    }
    // Every other control ignores the drop: the tile stays where it was.
}

void TileBoard::dropOnBoard(Single x, Single y)
{
    moveTile(m_dragIndex, toSingle(double(x) - m_grabX), toSingle(double(y) - m_grabY));
    afterBoardDrop();
}

void TileBoard::dropOnTile(int targetIndex, Single x, Single y)
{
    // The release point in window coordinates less the grab offset, exactly as on the board.
    Control const& target = tile(targetIndex);
    moveTile(m_dragIndex, toSingle(double(target.left) - m_grabX + x), toSingle(double(target.top) - m_grabY + y));
    afterTileDrop(targetIndex);
}

void TileBoard::rotate()
{
    // A quarter turn about the top-left corner; the tile keeps the focus, so it is snapped
    // only when it loses it.
    Control& t = tile(m_dragIndex);
    Integer const w = toInteger(t.width);
    Integer const h = toInteger(t.height);
    t.width = h;
    t.height = w;
    pressMeasuringButton();
}

void TileBoard::dropInBin()
{
    if (m_traits.binHidesTile)
        hideAndSendHome(m_dragIndex);
    else
        sendHome(m_dragIndex);
    if (m_traits.measuresAfterBin)
        pressMeasuringButton();
    showBinPicture(emptyBinStore);
}

void TileBoard::onDragOver(Control& c, Single, Single, DragState)
{
    // Entering, moving over and leaving all show the full bin, and it stays full.
    if (isBinPicture(c))
        showBinPicture(fullBinStore);
}

void TileBoard::onLostFocus(Control& c)
{
    if (c.name == "Command1")
        onTileLostFocus(c.index);
}

bool TileBoard::takesKeyboardDrag(Control const& c) const
{
    return isDraggable(c);
}

Single TileBoard::keyboardStep(bool fine) const
{
    return fine ? 50 : m_unit;
}

Control* TileBoard::keyboardBin()
{
    return &binPicture();
}

Control* TileBoard::keyboardRotationZone()
{
    return m_traits.hasRotationZone ? &control("Image1", 1) : nullptr;
}

std::vector<KeyboardPlace> TileBoard::keyboardPlaces(Control const& held)
{
    if (!isDraggable(held))
        return {};
    std::vector<KeyboardPlace> places = boardPlacesFor(held.index);
    Control const& bin = binPicture();
    if (bin.visible)
        places.push_back({ toSingle(bin.left + bin.width / 2), toSingle(bin.top + bin.height / 2), false });
    return places;
}

Control* TileBoard::focusAfterKeyboardDrop(Control const& dropped)
{
    if (!m_traits.hasPalette || !isDraggable(dropped) || !m_takenFromHome)
        return nullptr;
    auto const kind = kindOfMember(paletteBoardRuns, dropped.index);
    for (auto const& button : paletteButtons)
        if (kind && button.kind == *kind)
            return &control(button.name);
    return nullptr;
}

Control* TileBoard::keyboardDragSubject(Control& focused)
{
    if (!m_traits.hasPalette || m_revealed < 0 || focused.name == "Command1")
        return Form::keyboardDragSubject(focused);
    Control& revealed = tile(m_revealed);
    auto const kind = kindOfMember(paletteBoardRuns, m_revealed);
    bool const fromThisButton = std::any_of(paletteButtons.begin(), paletteButtons.end(),
        [&](auto const& b) { return b.name == focused.name && kind && b.kind == *kind; });
    bool const waiting
        = revealed.visible && revealed.left == homeLeft(m_revealed) && revealed.top == homeTop(m_revealed);
    return fromThisButton && waiting ? &revealed : nullptr;
}

} // namespace zelmora
