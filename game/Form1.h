#pragma once

// Form1, the game's one window, as the game sees it: the form-level
// variables, the control properties the game writes and reads back, the Load
// event, the three game procedures and one handler for each player action.
// The Qt window shows these properties and forwards clicks here; it decides
// nothing of its own.

#include "Controls.h"
#include "Runtime.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessaro {

struct AboutInfo {
    std::string nameAndVersion;
    std::string authorship;
    std::string email;
    std::string homepage;
};

// The About box's contents as built into this program.
AboutInfo builtInAboutInfo();

class Form1 {
public:
    explicit Form1(Runtime& runtime, AboutInfo about = builtInAboutInfo());
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // --- Form-level variables. Larger than the part in use: only cells 0..4
    // of rows 0..15 and code positions 0..4 are ever touched.
    std::array<std::array<Byte, 32>, 6> Board{}; // Board[cell][row], a brick index
    std::array<Byte, 7> Secret{};                // the hidden code, position 0..4
    Byte SelColor = 0;                           // the selected brick
    Byte CurRow = 0;                             // the row in play, 0..15
    Byte LastPos = 0;                            // the last position of the code
    std::int32_t Tries = 0;                      // the number of the guess in play
    Byte Level = 0;                              // 0 Easy, 1 Hard

    // --- Controls, at their design-time values until the Load event.
    std::array<Image, kBoardCells> imgBrix;      // the board cells
    std::array<Image, kCodeLength> imgFind;      // the hidden row
    std::array<Image, kBrickKinds> ImgBriker;    // the palette: element k shows brick k
    Image imgValgt;                              // the selected brick
    std::array<Label, kRows> lblBr;              // the result label of each row
    Label lblAntal;                              // the number of the try
    Button cmdOK;
    Button cmdNy;                                // New Game
    std::array<MenuItem, 2> mnuLevel;            // Easy, Hard

    // --- Events. The index arguments are those of the clicked control; an
    // index outside the control array is a programming error (asserted in
    // debug builds, ignored in release builds).
    void Form_Load();
    void ImgBriker_Click(int index);
    void imgBrix_Click(int index);
    void cmdOK_Click();
    void cmdNy_Click();
    void mnuNytSpil_Click();
    void mnuLevel_Click(int index);
    void lblBr_Click(int index);
    void mnuAbout_Click();

protected:
    void NytSpil();    // a new round
    void ValgFarver(); // move on to the next row
    void Tjeck();      // score the row in play

private:
    void showBrick(Image& image, Byte brick) const;
    Byte drawBrick();

    Runtime& rt_;
    AboutInfo about_;
};

} // namespace tessaro
