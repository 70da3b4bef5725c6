// Where every control of the main window stands, as the window was drawn: positions and sizes in
// twips, 15 twips to the pixel. Controls on the scene surface are placed relative to its client
// area. Both the model (which centres the sign and measures the scene) and the widgets read this.
#pragma once

#include "core/base/PieceKind.h"

#include <array>
#include <cstdint>

namespace tarvelo::layout {

constexpr int kTwipsPerPixel = 15;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr Rect FromTwips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// The main window's client area.
constexpr int kWindowWidth = Px(14400); // 960
constexpr int kWindowHeight = Px(8190); // 546

// The scene surface: outer box on the window, a sunken border of 2 pixels, and the client area
// that the scene is drawn in.
constexpr Rect kPictDraw = FromTwips(60, 900, 14295, 6315);
constexpr int kPictDrawBorder = 2;
constexpr int kSceneWidth = kPictDraw.width - 2 * kPictDrawBorder;   // 949
constexpr int kSceneHeight = kPictDraw.height - 2 * kPictDrawBorder; // 417

// On the window.
constexpr Rect kHiddenText = FromTwips(10110, 210, 1635, 315);
constexpr Rect kDragImg = FromTwips(750, 180, 525, 615);
constexpr Rect kLblEquazione = FromTwips(30, 7590, 14325, 525);
constexpr Rect kLblInfo = FromTwips(14040, 630, 285, 255);
constexpr Rect kLabel1 = FromTwips(12480, 210, 1845, 705);
constexpr Rect kLabel2 = FromTwips(0, 7260, 4845, 405);
constexpr Rect kLabel3 = FromTwips(10380, 7260, 3945, 405);

// On the scene surface.
constexpr Rect kDragImgInt = FromTwips(990, 360, 525, 615);
constexpr Rect kCommand1 = FromTwips(11970, 5700, 2265, 555);
constexpr Rect kCommand2 = FromTwips(60, 5670, 1215, 555);
constexpr Rect kCommand3 = FromTwips(1440, 5670, 1125, 555);
constexpr Rect kCommand4 = FromTwips(2640, 5670, 1125, 555);
constexpr Rect kCommand5 = FromTwips(60, 5670, 1305, 555);
constexpr Rect kLblComparison = FromTwips(6480, 3900, 765, 615);
constexpr Rect kLblMassa = FromTwips(9960, 450, 1275, 615);
constexpr Rect kSelObj = FromTwips(8790, 780, 645, 705);

// The palette: every picture on one row, each box the size of its picture.
constexpr int kPaletteTop = Px(150);

struct PaletteSlot {
    PieceKind kind;
    int left;
};

// The pan's picture lies almost wholly beyond the right edge and is hidden.
constexpr std::array<PaletteSlot, 14> kPalette{{
    {PieceKind::kSmiley, Px(120)},
    {PieceKind::kZero, Px(1410)},
    {PieceKind::kOne, Px(2220)},
    {PieceKind::kTwo, Px(3030)},
    {PieceKind::kThree, Px(3930)},
    {PieceKind::kFour, Px(4800)},
    {PieceKind::kFive, Px(5760)},
    {PieceKind::kSix, Px(6660)},
    {PieceKind::kSeven, Px(7560)},
    {PieceKind::kEight, Px(8400)},
    {PieceKind::kNine, Px(9330)},
    {PieceKind::kX, Px(10770)},
    {PieceKind::kY, Px(11640)},
    {PieceKind::kPan, Px(14100)},
}};

} // namespace tarvelo::layout
