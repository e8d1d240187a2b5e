#pragma once

// The properties of the window's controls that belong to the game's state.
// Each keeps the last value written to it and reads back exactly that value;
// the window only shows them.

#include "Runtime.h"

#include <optional>
#include <string>

namespace tessaro {

// The bricks, by brick index.
inline constexpr Byte kEmptyTile = 0;
inline constexpr Byte kRed = 1;
inline constexpr Byte kBlue = 2;
inline constexpr Byte kGreen = 3;
inline constexpr Byte kYellow = 4;
inline constexpr Byte kBlack = 5;
inline constexpr Byte kWhite = 6;
inline constexpr Byte kMagenta = 7;
inline constexpr int kBrickKinds = 8;

// The board: 16 rows of 5 cells; cell (row r, cell c) is control r * 5 + c.
inline constexpr int kRows = 16;
inline constexpr int kCellsPerRow = 5;
inline constexpr int kBoardCells = kRows * kCellsPerRow;
inline constexpr int kCodeLength = 5;

constexpr int rowOf(int index) { return index / kCellsPerRow; }
constexpr int cellOf(int index) { return index % kCellsPerRow; }
constexpr int cellIndex(int row, int cell) { return row * kCellsPerRow + cell; }

// An image control: the brick whose picture it shows (none before the game
// gives it one) and whether it is visible.
struct Image {
    std::optional<Byte> picture;
    bool visible = true;
};

// A label: its caption, its text colour and its font size in points; an
// empty colour or size is the platform's standard one.
struct Label {
    std::string caption;
    std::optional<Rgb> foreColor;
    std::optional<int> fontSize;
};

struct Button {
    bool enabled = true;
};

struct MenuItem {
    bool checked = false;
};

} // namespace tessaro
