#pragma once

// Playing from the keyboard, through the very click handlers the mouse uses:
// a digit 0..7 selects that brick in the palette and places it in the next
// cell of the row in play; Backspace steps back a cell; Enter presses O.K.
// The next cell starts at the left of every new row in play.

#include "Form1.h"

namespace tessaro {

class KeyboardPlay {
public:
    explicit KeyboardPlay(Form1& form) : form_(form) {}

    // Digit 0..7; anything else does nothing. Returns whether it was played.
    bool digit(int brick);
    // One cell back, from the leftmost cell round to the rightmost.
    void backspace();
    // O.K., while it is enabled. Returns whether it was pressed.
    bool enter();
    // A new row came into play some other way (a new round): start at its left.
    void rowRestarted() { nextCell_ = 0; }

    int nextCell() const { return nextCell_; }

private:
    Form1& form_;
    int nextCell_ = 0;
};

} // namespace tessaro
