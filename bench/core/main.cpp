// core_bench: the game's own work, without the window: a new round
// (NytSpil), scoring one row (Tjeck), and a whole round of 16 guesses made
// the way a player makes them (palette, board cell, five times; then O.K.).

#include "Form1.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tessaro;

// Boxes are answered at once, the beep is silent, and the random numbers come
// from a fixed seed so every run plays the same rounds.
class BenchRuntime : public Runtime {
public:
    int messageBox(const std::string&, int style, const std::string&) override
    {
        ++boxes;
        return style == kStyleYesNo ? kAnswerYes : kAnswerOk;
    }
    void beep() override {}
    void reseed() override {}
    double nextRandom() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    int boxes = 0;

private:
    std::mt19937_64 engine_{20261211};
};

class Game : public Form1 {
public:
    explicit Game(Runtime& rt) : Form1(rt, AboutInfo{"Tessaro", "bench", "", ""}) {}
    using Form1::NytSpil;
    using Form1::Tjeck;
};

void setLevel(Game& game, int level)
{
    game.mnuLevel[0].checked = level == 0;
    game.mnuLevel[1].checked = level == 1;
}

// Guesses of five bricks each, drawn once from a fixed seed.
std::vector<std::array<Byte, 5>> guesses(std::size_t count)
{
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> brick(0, kBrickKinds - 1);
    std::vector<std::array<Byte, 5>> all(count);
    for (auto& g : all)
        for (Byte& b : g)
            b = static_cast<Byte>(brick(gen));
    return all;
}

bool isCaption(const std::string& s)
{
    // "Np Mc" with N + M at most five.
    return s.size() == 5 && s[0] >= '0' && s[0] <= '5' && s[1] == 'p' && s[2] == ' ' && s[3] >= '0' &&
           s[3] <= '5' && s[4] == 'c' && (s[0] - '0') + (s[3] - '0') <= 5;
}

void BM_NytSpil(benchmark::State& state)
{
    BenchRuntime rt;
    Game game(rt);
    game.Form_Load();
    setLevel(game, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        game.NytSpil();
        benchmark::DoNotOptimize(game.Secret.data());
        benchmark::ClobberMemory();
    }
    if (game.Tries != 1 || game.CurRow != kRows - 1 || game.lblBr[kRows - 1].caption != "Next")
        state.SkipWithError("NytSpil did not leave a fresh round");
    if (state.range(0) == 0)
        for (int p = 0; p < kCodeLength; ++p)
            for (int q = 0; q < p; ++q)
                if (game.Secret[p] == game.Secret[q])
                    state.SkipWithError("an Easy code repeats a brick");
}
BENCHMARK(BM_NytSpil)->ArgName("hard")->Arg(0)->Arg(1);

void BM_Tjeck(benchmark::State& state)
{
    BenchRuntime rt;
    Game game(rt);
    game.Form_Load();
    const auto rows = guesses(256);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& g = rows[k++ & 255];
        for (int c = 0; c < kCellsPerRow; ++c)
            game.Board[c][game.CurRow] = g[c];
        game.Tjeck();
        benchmark::DoNotOptimize(game.lblBr[game.CurRow].caption.data());
        benchmark::ClobberMemory();
    }
    if (!isCaption(game.lblBr[game.CurRow].caption))
        state.SkipWithError("Tjeck wrote no result caption");
}
BENCHMARK(BM_Tjeck);

void BM_RoundOf16Guesses(benchmark::State& state)
{
    BenchRuntime rt;
    Game game(rt);
    game.Form_Load();
    setLevel(game, static_cast<int>(state.range(0)));
    const auto rows = guesses(16 * 64);
    std::size_t k = 0;
    for (auto _ : state) {
        game.mnuNytSpil_Click();
        for (int guess = 0; guess < kRows; ++guess) {
            const auto& g = rows[k++ % rows.size()];
            for (int c = 0; c < kCellsPerRow; ++c) {
                game.ImgBriker_Click(g[c]);
                game.imgBrix_Click(cellIndex(game.CurRow, c));
            }
            game.cmdOK_Click();
        }
        benchmark::DoNotOptimize(game.lblBr.data());
        benchmark::ClobberMemory();
    }
    // Sixteen guesses go all the way round the board to the bottom row again.
    if (game.Tries != 1 + kRows || game.CurRow != kRows - 1)
        state.SkipWithError("the round did not take sixteen guesses");
    for (int r = 0; r < kRows; ++r)
        if (r != game.CurRow && !isCaption(game.lblBr[r].caption))
            state.SkipWithError("a guessed row has no result caption");
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RoundOf16Guesses)->ArgName("hard")->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
