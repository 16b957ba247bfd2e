// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_places.hpp"

#include "boards/add_sub/add_sub_algebra.hpp"
#include "boards/add_sub/add_sub_board.hpp"
#include "boards/area/area_board.hpp"
#include "boards/area/area_factor_tiles.hpp"
#include "boards/balance/balance_board.hpp"
#include "boards/common/tile_pool.hpp"
#include "boards/signed_area/signed_area_arms.hpp"
#include "boards/signed_area/signed_area_board.hpp"

#include <array>
#include <string_view>

namespace zelmora {

using namespace std::string_view_literals;

namespace {

constexpr std::string_view positive = "موجبة";
constexpr std::string_view negative = "سالبة";

} // namespace

std::string_view spokenKind(TileKind kind)
{
    switch (kind) {
    case TileKind::X2:
        return "س تربيع";
    case TileKind::X:
        return "س";
    case TileKind::Y2:
        return "ص تربيع";
    case TileKind::Y:
        return "ص";
    case TileKind::XY:
        return "س ص";
    case TileKind::Five:
        return "خمسة";
    case TileKind::One:
        return "واحد";
    }
    return "";
}

namespace {

struct Place {
    std::string_view where;
    std::string_view sign; // empty where the board gives the tile no sign
};

TileBoard const& boardOf(Form const& form)
{
    return static_cast<TileBoard const&>(form);
}

// A tile that is not on any region of the board: waiting where the palette or the stock put it,
// or left somewhere else.
std::string_view offRegion(Form const& form, Control const& tile)
{
    TileBoard const& board = boardOf(form);
    bool const atHome = tile.left == board.homeLeft(tile.index) && tile.top == board.homeTop(tile.index);
    return atHome ? "في مكانها الأول"sv : "خارج المناطق"sv;
}

Place areaPlace(Form const& form, Control const& tile)
{
    AreaFactorTiles const factors(form);
    bool const height = factors.countsForHeight(tile);
    bool const width = factors.countsForWidth(tile);
    if (height && width)
        return { "على الشريطين عند الركن", {} };
    if (height)
        return { "على الشريط الأيسر، في الطول", {} };
    if (width)
        return { "على الشريط السفلي، في العرض", {} };
    if (form.control("Shape3").covers(tile.left, tile.top))
        return { "داخل مستطيل الناتج", {} };
    // The palette's homes lie on the white board itself: a tile there has not been placed yet.
    std::string_view const off = offRegion(form, tile);
    if (off != "في مكانها الأول"sv && form.control("Shape4").covers(tile.left, tile.top))
        return { "على اللوحة", {} };
    return { off, {} };
}

Place signedAreaPlace(Form const& form, Control const& tile)
{
    Strips const strips(form);
    if (auto const arm = strips.armOf(tile)) {
        static constexpr std::array arms { "على الشريط الرأسي، فوق التقاطع"sv, "على الشريط الرأسي، تحت التقاطع"sv,
            "على الشريط الأفقي، يمين التقاطع"sv, "على الشريط الأفقي، يسار التقاطع"sv };
        return { arms[static_cast<std::size_t>(*arm)], {} };
    }
    if (strips.inVerticalBand(tile) || strips.inHorizontalBand(tile))
        return { "عند تقاطع الشريطين", {} };
    if (auto const q = Quadrants(form).at(tile.left, tile.top)) {
        static constexpr std::array quadrants { "في الربع العلوي الأيسر، المنطقة السالبة"sv,
            "في الربع السفلي الأيمن، المنطقة السالبة"sv, "في الربع العلوي الأيمن، المنطقة الموجبة"sv,
            "في الربع السفلي الأيسر، المنطقة الموجبة"sv };
        return { quadrants[static_cast<std::size_t>(*q)], {} };
    }
    return { offRegion(form, tile), {} };
}

Place addSubPlace(Form const& form, Control const& tile)
{
    // The raised look is the tile's mark, set by the board's placement pass: it is both the
    // tile's sign and the half the board counts it in, even for a tile lying across the bar.
    bool const positiveMark = tile.appearance == 1;
    std::string_view const sign = positiveMark ? positive : negative;
    if (!AddSubHalves(form).hold(tile))
        return { offRegion(form, tile), sign };
    return { positiveMark ? "في النصف الموجب"sv : "في النصف السالب"sv, sign };
}

Place balancePlace(Form const& form, Control const& tile)
{
    // The mark counts for left side minus right side, so a tile's own sign is its region's.
    auto const region = PanRegions(form).of(tile);
    if (!region) {
        TileBoard const& board = boardOf(form);
        bool const atHome = tile.left == board.homeLeft(tile.index) && tile.top == board.homeTop(tile.index);
        return { atHome ? "في المخزون"sv : "خارج المناطق، لا تحسب"sv, {} };
    }
    switch (*region) {
    case PanRegion::LeftWhite:
        return { "في الكفة اليسرى، المنطقة الموجبة", positive };
    case PanRegion::LeftGrey:
        return { "في الكفة اليسرى، المنطقة السالبة", negative };
    case PanRegion::RightWhite:
        return { "في الكفة اليمنى، المنطقة الموجبة", positive };
    case PanRegion::RightGrey:
        return { "في الكفة اليمنى، المنطقة السالبة", negative };
    }
    return {};
}

} // namespace

bool isTile(Form const& form, Control const& c)
{
    auto const* board = dynamic_cast<TileBoard const*>(&form);
    return board && c.name == "Command1" && c.index >= 0 && c.index < board->traits().tileCount;
}

std::optional<TileKind> tileKindOf(Form const& form, Control const& tile)
{
    if (!isTile(form, tile))
        return std::nullopt;
    bool const balance = dynamic_cast<BalanceBoard const*>(&form) != nullptr;
    return kindOfMember(balance ? std::span<IndexRun const>(balanceRuns) : paletteBoardRuns, tile.index);
}

std::optional<std::string> describeTile(Form const& form, Control const& tile)
{
    auto const kind = tileKindOf(form, tile);
    if (!kind)
        return std::nullopt;

    Place place;
    if (dynamic_cast<AreaBoard const*>(&form))
        place = areaPlace(form, tile);
    else if (dynamic_cast<SignedAreaBoard const*>(&form))
        place = signedAreaPlace(form, tile);
    else if (dynamic_cast<AddSubBoard const*>(&form))
        place = addSubPlace(form, tile);
    else if (dynamic_cast<BalanceBoard const*>(&form))
        place = balancePlace(form, tile);

    std::string text = "قطعة " + std::string(spokenKind(*kind));
    if (!place.sign.empty())
        text += " " + std::string(place.sign);
    if (!place.where.empty())
        text += "، " + std::string(place.where);
    return text;
}

} // namespace zelmora
