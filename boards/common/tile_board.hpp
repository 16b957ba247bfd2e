// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"
#include "tile_kind.hpp"
#include "tile_pool.hpp"

#include <optional>
#include <vector>

namespace zelmora {

// How a board takes part in what all boards share. The rest is the board's own follow-ups.
struct TileBoardTraits {
    int tileCount = 141;          // tiles 0 .. tileCount - 1 of Command1
    bool hasSpecialMember = true; // Command1(141) is no tile and is never dragged
    bool hasPalette = true;       // Command2 .. Command8 bring tiles out of the reserve
    bool hasRotationZone = true;  // a drop on Image1 turns the tile a quarter turn
    bool binHidesTile = true;     // the bin puts the tile back into the reserve
    bool measuresAfterBin = true; // and presses Command9 afterwards
};

// A board window: the tile pool with its homes, the palette, Back, and the drag and drop of
// tiles onto the board, onto another tile, onto the rotation zone and into the bin. What a
// drop leads to on each board (snapping, measuring, marking, zero pairs) is plugged in by
// overriding the follow-ups.
class TileBoard : public Form {
public:
    TileBoard(FormLayout, TileBoardTraits);

    TileBoardTraits const& traits() const { return m_traits; }
    Control& tile(int index) { return *m_members[static_cast<std::size_t>(index)]; }
    Control const& tile(int index) const { return *m_members[static_cast<std::size_t>(index)]; }
    // Every member of Command1, the special member included.
    int memberCount() const { return static_cast<int>(m_members.size()); }
    // Command1(141) on Boards 1 to 3, which is no tile: Board 1's clear member, Board 2's origin
    // square, Board 3's dividing bar. Only for a board that has one.
    Control& specialControl() { return tile(specialMember); }
    Control const& specialControl() const { return tile(specialMember); }
    // Command9 on Boards 1 to 3: the button whose press measures the board, and which takes the
    // focus after a drop so that the dropped tile loses it and snaps.
    Control& measuringButton() { return control("Command9"); }
    bool isMeasuringButton(Control const& c) const { return c.name == "Command9"; }
    // Image2: the bin a tile is thrown into.
    Control& binPicture() { return control(binName); }
    Control const& binPicture() const { return control(binName); }
    bool isBinPicture(Control const& c) const { return c.name == binName; }

    Integer homeLeft(int index) const { return m_homeLeft[static_cast<std::size_t>(index)]; }
    Integer homeTop(int index) const { return m_homeTop[static_cast<std::size_t>(index)]; }
    Integer dragIndex() const { return m_dragIndex; }
    Integer grabX() const { return m_grabX; }
    Integer grabY() const { return m_grabY; }

    // The homes and the drag state, which undo puts back and board files keep.
    ModuleState moduleState() const override;
    void restoreModuleState(ModuleState const&) override;
    std::string moduleStateProblem(ModuleState const&) const override;
    // The bin shows the picture of one of its hidden stores; the stores keep theirs.
    std::vector<std::string> picturesItMayShow(Control const&) const override;

protected:
    static constexpr std::string_view binName = "Image2";

    void moveTile(int index, Single left, Single top);
    void sendHome(int index);
    void hideAndSendHome(int index);
    void focusMeasuringButton();
    void pressMeasuringButton();
    void showBinPicture(std::string_view store);
    // A tile dropped on a like tile whose sign mark differs: the two make a zero pair. The
    // special member has no caption and never matches; a tile dropped on itself is no pair.
    bool isLikeTileWithOtherMark(int dragged, int target) const;

    // The follow-ups. The defaults are Board 1's: snap the tile by moving the focus away from
    // it, then measure.
    virtual void afterBoardDrop();
    virtual void afterTileDrop(int targetIndex);
    virtual void afterPress(int /*index*/) { }
    virtual void onTileLostFocus(int /*index*/) { }
    virtual void onTileClick(int /*index*/) { }
    virtual void onButtonClick(Control&) { }

    void onLoad() override;
    void onClick(Control&) override;
    void onMouseDown(Control&, MouseButton, int shift, Single x, Single y) override;
    void onDragDrop(Control* target, Single x, Single y) override;
    void onDragOver(Control&, Single x, Single y, DragState) override;
    void onLostFocus(Control&) override;

    // A learner without a mouse moves a tile by its board's unit, or 50 twips with Shift, and
    // throws it into the bin or onto the rotation zone.
    bool takesKeyboardDrag(Control const&) const override;
    Single keyboardStep(bool fine) const override;
    Control* keyboardBin() override;
    Control* keyboardRotationZone() override;
    // Page Down and Page Up visit the board's own places for the tile, then the bin.
    std::vector<KeyboardPlace> keyboardPlaces(Control const& held) override;
    // After a keyboard drop of a tile taken from its home (fresh from the palette) the palette
    // button of its kind takes the focus, so that the next tile of that kind is one key away; a
    // board without a palette says where instead. A tile moved on the board leaves the focus
    // where the drop puts it, on the button after the tiles, from which Shift+Tab walks back over
    // them to the next one to move.
    bool takenFromHome() const { return m_takenFromHome; }
    Control* focusAfterKeyboardDrop(Control const& dropped) override;
    // The arrows (and R and Delete) on a palette button take hold of the tile it brought out
    // last while that tile still waits at its home, so that a learner without a mouse need not
    // look for it along the tab order.
    Control* keyboardDragSubject(Control& focused) override;
    // Where a drop means something on this board for the tile, in the order Page Down visits them.
    virtual std::vector<KeyboardPlace> boardPlacesFor(int /*index*/) const { return {}; }

private:
    // Every tile is dragged when pressed; the special member never is.
    bool isDraggable(Control const&) const;
    // The member made visible.
    int revealNext(TileKind);
    void dropOnBoard(Single x, Single y);
    void dropOnTile(int targetIndex, Single x, Single y);
    void rotate();
    void dropInBin();

    TileBoardTraits m_traits;
    std::vector<Control*> m_members;
    std::vector<Integer> m_homeLeft;
    std::vector<Integer> m_homeTop;
    Integer m_dragIndex = 0;
    Integer m_grabX = 0;
    Integer m_grabY = 0;
    Single m_unit = 0;            // the side of the board's unit square tile, as laid out
    bool m_takenFromHome = false; // the tile dragged last was picked up at its home
    int m_revealed = -1;          // the member the last palette click made visible, for the keyboard's focus
};

} // namespace zelmora
