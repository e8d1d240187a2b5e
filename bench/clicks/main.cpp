// click_bench: inside the game's process, the time from a mouse press on a
// board cell, and on O.K., until the window has repainted what the click
// changed.
//
//   click_bench [--iterations N] [--warmup N]
//
// The clicks go in through the window system layer (QTest on the QWindow), so
// Qt finds the widget under the mouse and delivers press and release as it
// does for a real mouse; the platform is whatever QT_QPA_PLATFORM names (xcb on
// Xvfb in bench/run, offscreen works too). Each timed click runs from just
// before the press until every widget the click must change has had its paint
// event and the event loop has come back, i.e. after the backing store was
// flushed. A click after which a widget that should have changed never paints
// stops the benchmark with an error.
//
// The two kinds alternate as in play: a cell of the row in play, then O.K.
// The row holds one brick and four empty tiles, which on Easy (five different
// bricks) can never be the code, so no win box ever opens; every 16 guesses a
// new round starts, untimed.

#include "MainWindow.h"

#include "BrickView.h"
#include "ClickLabel.h"
#include "WrapButton.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Counts the paint events of the widgets it is installed on.
class PaintCounter : public QObject {
public:
    void watch(QWidget* widget)
    {
        widget->installEventFilter(this);
        counts_.insert(widget, 0);
    }
    int count(const QWidget* widget) const { return counts_.value(widget, 0); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto it = counts_.find(watched);
            if (it != counts_.end())
                ++*it;
        }
        return false;
    }

private:
    QHash<const QObject*, int> counts_;
};

struct Stats {
    double median = 0;
    double p95 = 0;
    double max = 0;
    double mean = 0;
};

Stats summarise(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    Stats s;
    s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    // Nearest rank.
    s.p95 = v[std::min(n - 1, static_cast<std::size_t>((95 * n + 99) / 100) - 1)];
    s.max = v.back();
    s.mean = std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(n);
    return s;
}

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "click_bench: %s\n", why.c_str());
    std::exit(1);
}

int parseCount(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) {
            char* end = nullptr;
            const long value = std::strtol(argv[i + 1], &end, 10);
            if (*end != '\0' || value < 0 || value > 10000000)
                fail(std::string("not a usable number for ") + name);
            return static_cast<int>(value);
        }
    return fallback;
}

// Runs the event loop until nothing is left to do, including pending paints.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

class Bench {
public:
    explicit Bench(tessaro::MainWindow& window) : window_(window), c_(window.controls())
    {
        for (QWidget* w : c_.imgBrix)
            paints_.watch(w);
        for (QWidget* w : c_.lblBr)
            paints_.watch(w);
        paints_.watch(c_.lblAntal);
        paints_.watch(c_.cmdOK);
        paints_.watch(c_.imgValgt);
    }

    // Clicks the middle of `target` through the window, then runs the event
    // loop until each of `mustPaint` has painted. Returns the milliseconds taken.
    double click(QWidget* target, const std::vector<const QWidget*>& mustPaint, const char* what)
    {
        std::vector<int> before;
        for (const QWidget* w : mustPaint)
            before.push_back(paints_.count(w));
        const QPoint at = target->mapTo(&window_, target->rect().center());
        auto allPainted = [&] {
            for (std::size_t k = 0; k < mustPaint.size(); ++k)
                if (paints_.count(mustPaint[k]) == before[k])
                    return false;
            return true;
        };

        const Clock::time_point t0 = Clock::now();
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, at);
        QElapsedTimer guard;
        guard.start();
        while (!allPainted()) {
            if (guard.elapsed() > 2000)
                fail(std::string("the window did not repaint after a click on ") + what);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        const Clock::time_point t1 = Clock::now();
        return std::chrono::duration<double, std::milli>(t1 - t0).count();
    }

    // One guess: select a brick (untimed), click a cell of the row in play, press O.K.
    void guess(int i, std::vector<double>* cellMs, std::vector<double>* okMs)
    {
        const tessaro::Form1& f = window_.form();
        if (i % tessaro::kRows == 0) {
            c_.mnuNytSpil->trigger();
            settle();
        }
        // Never the empty tile, so the cell visibly changes from empty to this brick.
        const int brick = 1 + i % 7;
        click(c_.ImgBriker[brick], {c_.imgValgt}, "a palette brick");
        settle();
        if (f.SelColor != brick)
            fail("the palette click did not select its brick");

        const int row = f.CurRow;
        const int cell = row * tessaro::kCellsPerRow + i % tessaro::kCellsPerRow;
        std::vector<const QWidget*> cellPaints{c_.imgBrix[cell]};
        if (!c_.cmdOK->isEnabled())
            cellPaints.push_back(c_.cmdOK); // the cell click enables O.K. again
        const double cellTime = click(c_.imgBrix[cell], cellPaints, "a board cell");
        settle();
        if (f.Board[cell % tessaro::kCellsPerRow][row] != brick || !c_.cmdOK->isEnabled())
            fail("the cell click did not place the brick and enable O.K.");

        const int next = (row + tessaro::kRows - 1) % tessaro::kRows;
        const double okTime =
            click(c_.cmdOK, {c_.lblBr[row], c_.lblBr[next], c_.lblAntal, c_.cmdOK}, "O.K.");
        settle();
        if (f.CurRow != next || c_.lblBr[next]->text() != QStringLiteral("Next") || c_.cmdOK->isEnabled())
            fail("O.K. did not score the row and move on");
        if (c_.lblBr[row]->text().startsWith(QLatin1Char('5')))
            fail("a guess won, which must not happen here");

        if (cellMs)
            cellMs->push_back(cellTime);
        if (okMs)
            okMs->push_back(okTime);
    }

private:
    tessaro::MainWindow& window_;
    const tessaro::MainWindow::Controls& c_;
    PaintCounter paints_;
};

} // namespace

int main(int argc, char** argv)
{
    const int iterations = parseCount(argc, argv, "--iterations", 400);
    const int warmup = parseCount(argc, argv, "--warmup", 32);
    if (iterations < 1)
        fail("at least one iteration is needed");

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tessaro::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        fail("the window was never exposed");
    QTest::qWait(100);
    settle();
    if (!window.form().mnuLevel[0].checked)
        fail("the game does not start on Easy");

    Bench bench(window);
    for (int i = 0; i < warmup; ++i)
        bench.guess(i, nullptr, nullptr);
    std::vector<double> cellMs;
    std::vector<double> okMs;
    cellMs.reserve(static_cast<std::size_t>(iterations));
    okMs.reserve(static_cast<std::size_t>(iterations));
    for (int i = 0; i < iterations; ++i)
        bench.guess(warmup + i, &cellMs, &okMs);

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    for (const auto& [kind, v] : {std::pair{"cell", &cellMs}, std::pair{"ok", &okMs}}) {
        const Stats s = summarise(*v);
        std::printf("click %s n %zu median_ms %.4f p95_ms %.4f mean_ms %.4f max_ms %.4f\n", kind, v->size(),
                    s.median, s.p95, s.mean, s.max);
    }
    return 0;
}
