#include "GameFixture.h"

#include <regex>

namespace tessaro::testing {

bool parseResult(const std::string& caption, int& black, int& white)
{
    static const std::regex kResult("([0-9]+)p ([0-9]+)c");
    std::smatch match;
    if (!std::regex_match(caption, match, kResult))
        return false;
    black = std::stoi(match[1]);
    white = std::stoi(match[2]);
    return true;
}

::testing::AssertionResult invariantsHold(const Form1& form)
{
    auto fail = [](const std::string& what) { return ::testing::AssertionFailure() << what; };
    const Rgb black{0, 0, 0};
    const Rgb lightRed{255, 0, 0};

    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCellsPerRow; ++c)
            if (form.imgBrix[cellIndex(r, c)].picture != form.Board[c][r])
                return fail("board cell row " + std::to_string(r) + " cell " + std::to_string(c) +
                            " does not show its brick");
    for (int p = 0; p < kCodeLength; ++p)
        if (form.imgFind[p].picture != form.Secret[p])
            return fail("hidden-row image " + std::to_string(p) + " does not show the code");
    if (form.imgValgt.picture != form.SelColor)
        return fail("the selected-brick image does not show SelColor");

    if (form.CurRow >= kRows)
        return fail("CurRow out of range");
    for (int r = 0; r < kRows; ++r) {
        const Label& label = form.lblBr[r];
        if (r == form.CurRow) {
            if (label.caption != "Next" || label.foreColor != black)
                return fail("the row in play does not read Next in black");
            continue;
        }
        int b = 0, w = 0;
        if (label.foreColor != lightRed)
            return fail("result label " + std::to_string(r) + " is not light red");
        if (!parseResult(label.caption, b, w) || b > 5 || w > 5 || b + w > 5)
            return fail("result label " + std::to_string(r) + " reads '" + label.caption + "'");
    }
    if (form.lblAntal.caption != std::to_string(form.Tries))
        return fail("lblAntal reads " + form.lblAntal.caption + ", Tries is " +
                    std::to_string(form.Tries));
    if (form.Level > 1 || !form.mnuLevel[form.Level].checked || form.mnuLevel[1 - form.Level].checked)
        return fail("the check mark is not on the item of Level alone");
    if (form.LastPos != 4)
        return fail("LastPos is not 4");

    for (int r = 0; r < 32; ++r)
        for (int c = 0; c < 6; ++c) {
            const bool inUse = r < kRows && c < kCellsPerRow;
            if (form.Board[c][r] > 7 || (!inUse && form.Board[c][r] != 0))
                return fail("Board holds a stray value outside the cells in use");
        }
    for (int p = 0; p < 7; ++p)
        if (form.Secret[p] > 7 || (p >= kCodeLength && form.Secret[p] != 0))
            return fail("Secret holds a stray value");
    if (form.SelColor > 7)
        return fail("SelColor is no brick");
    return ::testing::AssertionSuccess();
}

} // namespace tessaro::testing
