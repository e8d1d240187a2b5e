// Start-up, the new round and the turn advance.

#include "Form1.h"

#include <limits>

namespace tessaro {

void Form1::Form_Load()
{
    lblAntal.fontSize = 15;
    rt_.reseed();
    NytSpil();
}

Byte Form1::drawBrick()
{
    const double scaled = rt_.nextRandom() * kBrickKinds;
    // The runtime promises a number in [0, 1); should it ever break that
    // promise, the brick still stays within 0..7.
    if (!(scaled >= 0.0))
        return 0;
    if (scaled >= kBrickKinds)
        return kBrickKinds - 1;
    return static_cast<Byte>(scaled);
}

void Form1::NytSpil()
{
    rt_.reseed();
    for (int i = 0; i < kBoardCells; ++i) {
        showBrick(imgBrix[i], kEmptyTile);
        Board[cellOf(i)][rowOf(i)] = kEmptyTile;
    }
    for (Image& image : imgFind)
        image.visible = false;
    LastPos = kCodeLength - 1;

    // The difficulty is the check mark on Easy at this moment.
    const bool easy = mnuLevel[0].checked;
    for (int p = 0; p <= LastPos; ++p) {
        bool repeated;
        do {
            Secret[p] = drawBrick();
            repeated = false;
            for (int q = 0; easy && q < p; ++q)
                repeated = repeated || Secret[q] == Secret[p];
        } while (repeated);
    }

    for (Label& label : lblBr) {
        label.caption = "0p 0c";
        label.foreColor = Runtime::paletteColour(kPaletteLightRed);
    }
    for (int p = 0; p <= LastPos; ++p)
        showBrick(imgFind[p], Secret[p]);

    CurRow = 0;
    ValgFarver();
    cmdNy.enabled = false;
    cmdOK.enabled = true;
    lblAntal.caption = "1";
    Tries = 1;
}

void Form1::ValgFarver()
{
    // Counting on past the largest count stays there rather than overflowing.
    if (Tries < std::numeric_limits<std::int32_t>::max())
        ++Tries;
    lblAntal.caption = Runtime::decimalText(Tries);

    lblBr[CurRow].foreColor = Runtime::paletteColour(kPaletteLightRed);
    CurRow = static_cast<Byte>((CurRow + kRows - 1) % kRows);
    lblBr[CurRow].foreColor = Runtime::paletteColour(kPaletteBlack);
    lblBr[CurRow].caption = "Next";
    for (int c = 0; c < kCellsPerRow; ++c) {
        showBrick(imgBrix[cellIndex(CurRow, c)], kEmptyTile);
        Board[c][CurRow] = kEmptyTile;
    }
}

} // namespace tessaro
