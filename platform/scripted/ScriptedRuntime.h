#pragma once

// A runtime for tests: it records every message box, beep and reseed in the
// order they happen, answers boxes with scripted button codes and hands out
// scripted random numbers. Hooks let a test look at the game at the very
// moment a box opens or the beep sounds.

#include "Runtime.h"

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tessaro {

struct ShownBox {
    std::string text;
    int style = 0;
    std::string title;
    int answer = 0;
};

class ScriptedRuntime : public Runtime {
public:
    enum class Event { Box, Beep, Reseed, Draw };

    int messageBox(const std::string& text, int style, const std::string& title) override;
    void beep() override;
    void reseed() override;
    double nextRandom() override;

    // Answers for the next boxes, in order. A box with no scripted answer is
    // closed with its last button: OK, or No for a Yes/No box.
    void answerNext(std::initializer_list<int> answers);
    // Random numbers for the next draws, each in [0, 1). Once they run out the
    // draws come from a fixed-seed generator, so unscripted tests stay repeatable.
    void scriptRandoms(std::initializer_list<double> values);
    // Random numbers that make the draw (value x 8, rounded down) give these bricks.
    void scriptDraws(std::initializer_list<int> bricks);

    std::function<void(const ShownBox&)> onBox;
    std::function<void()> onBeep;

    std::vector<ShownBox> boxes;
    std::vector<Event> events;
    int beeps = 0;
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<int> answers_;
    std::deque<double> randoms_;
    std::mt19937_64 fallback_{20261211};
};

} // namespace tessaro
