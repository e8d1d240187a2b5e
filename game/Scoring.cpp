// Scoring the row in play against the hidden code, and the win.

#include "Form1.h"

namespace tessaro {

void Form1::Tjeck()
{
    std::array<bool, 7> hiddenUsed{};
    std::array<bool, 7> guessUsed{};
    Byte black = 0;
    Byte white = 0;
    const auto& guess = [this](int cell) { return Board[cell][CurRow]; };

    // Pass 1: the right brick in the right place.
    for (int i = 0; i <= LastPos; ++i) {
        if (Secret[i] == guess(i)) {
            ++black;
            hiddenUsed[i] = true;
            guessUsed[i] = true;
        }
    }
    // Pass 2: each hidden brick still unmatched takes the lowest free cell
    // that holds it.
    for (int i = 0; i <= LastPos; ++i) {
        if (hiddenUsed[i])
            continue;
        for (int j = 0; j <= LastPos; ++j) {
            if (guess(j) == Secret[i] && !guessUsed[j] && !hiddenUsed[i]) {
                ++white;
                hiddenUsed[i] = true;
                guessUsed[j] = true;
            }
        }
    }

    lblBr[CurRow].caption =
        Runtime::decimalText(black) + "p " + Runtime::decimalText(white) + "c";
    if (black != 5)
        return;

    for (int i = 0; i <= LastPos; ++i)
        imgFind[i].visible = true;
    cmdNy.enabled = true;
    rt_.beep();
    cmdOK.enabled = false;
    rt_.messageBox("You guessed right in " + Runtime::decimalTextWithSignPlace(Tries) + " tries.\r\n",
                   kStyleOkOnly, "Right");
}

} // namespace tessaro
