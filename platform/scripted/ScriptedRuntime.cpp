#include "ScriptedRuntime.h"

#include "ClockRandom.h"

#include <stdexcept>

namespace tessaro {

int ScriptedRuntime::messageBox(const std::string& text, int style, const std::string& title)
{
    int answer = style == kStyleYesNo ? kAnswerNo : kAnswerOk;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    boxes.push_back({text, style, title, answer});
    events.push_back(Event::Box);
    if (onBox)
        onBox(boxes.back());
    return answer;
}

void ScriptedRuntime::beep()
{
    ++beeps;
    events.push_back(Event::Beep);
    if (onBeep)
        onBeep();
}

void ScriptedRuntime::reseed()
{
    ++reseeds;
    events.push_back(Event::Reseed);
}

double ScriptedRuntime::nextRandom()
{
    ++draws;
    events.push_back(Event::Draw);
    if (randoms_.empty())
        return ClockRandom::unitFromBits(fallback_());
    const double value = randoms_.front();
    randoms_.pop_front();
    return value;
}

void ScriptedRuntime::answerNext(std::initializer_list<int> answers)
{
    answers_.insert(answers_.end(), answers);
}

void ScriptedRuntime::scriptRandoms(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!(value >= 0.0 && value < 1.0))
            throw std::invalid_argument("a random number must lie in [0, 1)");
        randoms_.push_back(value);
    }
}

void ScriptedRuntime::scriptDraws(std::initializer_list<int> bricks)
{
    for (int brick : bricks) {
        if (brick < 0 || brick > 7)
            throw std::invalid_argument("a brick index lies in 0..7");
        // The middle of the brick's eighth of [0, 1).
        randoms_.push_back((brick + 0.5) / 8.0);
    }
}

} // namespace tessaro
