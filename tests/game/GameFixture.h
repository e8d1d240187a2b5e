#pragma once

// A started game on a scripted runtime, with the game procedures opened up
// for tests, and one check of everything that must hold between two clicks.

#include "Form1.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tessaro::testing {

class Form1Probe : public Form1 {
public:
    using Form1::Form1;
    using Form1::NytSpil;
    using Form1::Tjeck;
    using Form1::ValgFarver;
};

// Every rule that holds whenever no handler is running, once Load has run.
::testing::AssertionResult invariantsHold(const Form1& form);

// Reads "Np Mc" back as its two numbers; false when the text is no result caption.
bool parseResult(const std::string& caption, int& black, int& white);

class StartedGame : public ::testing::Test {
protected:
    // Starts the game; `code` scripts the draws of the first round's hidden code.
    void start(std::initializer_list<int> code = {})
    {
        rt.scriptDraws(code);
        form.Form_Load();
    }

    // Fills the row in play through the palette and the board, as a player does.
    void fillRow(const std::array<int, 5>& bricks)
    {
        for (int c = 0; c < 5; ++c) {
            form.ImgBriker_Click(bricks[c]);
            form.imgBrix_Click(cellIndex(form.CurRow, c));
        }
    }

    // Fills the row in play and submits it; returns the caption it scored.
    std::string submit(const std::array<int, 5>& bricks)
    {
        const int row = form.CurRow;
        fillRow(bricks);
        form.cmdOK_Click();
        return form.lblBr[row].caption;
    }

    std::array<int, 5> secret() const
    {
        return {form.Secret[0], form.Secret[1], form.Secret[2], form.Secret[3], form.Secret[4]};
    }

    ScriptedRuntime rt;
    Form1Probe form{rt, AboutInfo{"Tessaro 1.0", "Made by the Tessaro developers",
                                  "tessaro@example.org", "https://tessaro.example.org"}};
};

} // namespace tessaro::testing
