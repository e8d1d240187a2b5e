// The player's clicks: palette, board, O.K., New Game, difficulty, result
// labels and About.

#include "Form1.h"

#include <algorithm>
#include <cassert>

namespace tessaro {
namespace {

// The window only delivers indices of its own controls; anything else is a
// programming error that must still never reach outside the arrays.
bool validIndex(int index, int count)
{
    assert(index >= 0 && index < count && "control index out of range");
    return index >= 0 && index < count;
}

Byte asByte(std::uint32_t value)
{
    return static_cast<Byte>(std::min<std::uint32_t>(value, 255));
}

} // namespace

void Form1::ImgBriker_Click(int index)
{
    if (!validIndex(index, kBrickKinds))
        return;
    SelColor = static_cast<Byte>(index);
    showBrick(imgValgt, SelColor);
    rt_.beep();
}

void Form1::imgBrix_Click(int index)
{
    if (!validIndex(index, kBoardCells))
        return;
    const int row = rowOf(index);
    const int cell = cellOf(index);
    if (row == CurRow) {
        showBrick(imgBrix[cellIndex(CurRow, cell)], SelColor);
        Board[cell][CurRow] = SelColor;
    } else {
        SelColor = Board[cell][row];
        showBrick(imgValgt, SelColor);
    }
    cmdOK.enabled = true;
}

void Form1::cmdOK_Click()
{
    Tjeck();
    ValgFarver();
    cmdOK.enabled = false;
}

void Form1::cmdNy_Click()
{
    NytSpil();
}

void Form1::mnuNytSpil_Click()
{
    NytSpil();
}

void Form1::mnuLevel_Click(int index)
{
    if (!validIndex(index, 2))
        return;
    int answer = 0;
    if (index != Level)
        answer = rt_.messageBox("If you chance level, you have to restart.\r\nAre you sure ?",
                                kStyleYesNo, "New Game ?");
    const bool confirmed = answer != kAnswerNo && answer != 0;
    mnuLevel[0].checked = false;
    mnuLevel[1].checked = false;
    if (confirmed)
        Level = static_cast<Byte>(index);
    mnuLevel[Level].checked = true;
    if (confirmed)
        NytSpil();
}

void Form1::lblBr_Click(int index)
{
    if (!validIndex(index, kRows))
        return;
    const std::string caption = lblBr[index].caption;
    const Byte placed = asByte(Runtime::leadingNumber(caption));
    const Byte coloured = asByte(Runtime::leadingNumber(Runtime::lastCharacters(caption, 2)));
    rt_.messageBox("There is " + Runtime::decimalText(placed) +
                       " correct Placed bricks with the correct color.\r\n"
                       "And of the rest there is " +
                       Runtime::decimalText(coloured) + " correct Colored brick(s) places wrong",
                   kStyleOkOnly, "What does it mean : " + caption);
}

void Form1::mnuAbout_Click()
{
    rt_.messageBox(about_.nameAndVersion + "\r" + about_.authorship + "\r" + "Email : " +
                       about_.email + "\r" + "Homepage : " + about_.homepage,
                   kStyleInformation, "About Tessaro");
}

} // namespace tessaro
