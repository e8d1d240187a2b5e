#include "KeyboardPlay.h"

namespace tessaro {

bool KeyboardPlay::digit(int brick)
{
    if (brick < 0 || brick >= kBrickKinds)
        return false;
    form_.ImgBriker_Click(brick);
    form_.imgBrix_Click(cellIndex(form_.CurRow, nextCell_));
    nextCell_ = (nextCell_ + 1) % kCellsPerRow;
    return true;
}

void KeyboardPlay::backspace()
{
    nextCell_ = (nextCell_ + kCellsPerRow - 1) % kCellsPerRow;
}

bool KeyboardPlay::enter()
{
    if (!form_.cmdOK.enabled)
        return false;
    form_.cmdOK_Click();
    rowRestarted();
    return true;
}

} // namespace tessaro
