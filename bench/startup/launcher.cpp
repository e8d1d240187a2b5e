// startup_launcher: how long a program takes from process start to its first
// fully drawn window, and how much memory it holds resident once started.
//
//   startup_launcher [--runs N] [--warmup N] [--settle-ms N] [--timeout-ms N]
//                    [--verbose] NAME=PROGRAM ... BASE=PROGRAM
//
// The programs run one at a time, interleaved (the order flips every round so
// neither always goes first), each as a fresh process on the X server named by
// DISPLAY, which must have the DAMAGE extension and no window manager. The
// last program is the baseline the others are compared with.
//
// Each run, seen from outside the program:
//   t0     a monotonic timestamp just before the process is spawned;
//   map    the MapNotify of a new top-level window of that process;
//   frame  the moment the damage reported on that window since it was mapped
//          covers the whole window and no pixel of the root's marker colour
//          shows through any more: its first fully drawn frame.
// The resident memory is VmRSS from /proc/PID/status, read --settle-ms after
// the frame (default 100 ms). Then the process is killed.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Program {
    std::string name;
    std::string path;
    std::vector<double> startupMs;
    std::vector<double> mapMs;
    std::vector<long> rssKiB;
};

struct Options {
    int runs = 15;
    int warmup = 2;
    int settleMs = 100;
    int timeoutMs = 10000;
    bool verbose = false;
    std::vector<Program> programs;
};

[[noreturn]] void usage(const char* why)
{
    std::fprintf(stderr, "startup_launcher: %s\n", why);
    std::fprintf(stderr,
                 "usage: startup_launcher [--runs N] [--warmup N] [--settle-ms N] [--timeout-ms N]\n"
                 "                        [--verbose] NAME=PROGRAM ... BASE=PROGRAM\n");
    std::exit(2);
}

Options parse(int argc, char** argv)
{
    Options o;
    auto number = [&](int& i) {
        if (i + 1 >= argc)
            usage("an option lacks its number");
        char* end = nullptr;
        const long value = std::strtol(argv[++i], &end, 10);
        if (*end != '\0' || value < 0 || value > 1000000)
            usage("not a usable number");
        return static_cast<int>(value);
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs")
            o.runs = number(i);
        else if (arg == "--warmup")
            o.warmup = number(i);
        else if (arg == "--settle-ms")
            o.settleMs = number(i);
        else if (arg == "--timeout-ms")
            o.timeoutMs = number(i);
        else if (arg == "--verbose")
            o.verbose = true;
        else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0 && eq + 1 < arg.size())
            o.programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}});
        else
            usage(("unknown argument " + arg).c_str());
    }
    if (o.programs.empty())
        usage("no program given");
    if (o.runs < 1)
        usage("at least one run is needed");
    return o;
}

// Windows can vanish between the event that names them and our request about
// them (the program may destroy a helper window at once); such errors are
// expected and harmless.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

std::optional<long> windowPid(Display* dpy, Window w)
{
    static const Atom netWmPid = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(dpy, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

struct Tracked {
    Damage damage = 0;
    bool mapped = false;
    int width = 0;
    int height = 0;
    Region drawn = nullptr;
};

struct RunResult {
    bool ok = false;
    double startupMs = 0;
    double mapMs = 0;
    long rssKiB = -1;
    std::string error;
};

class Launcher {
public:
    Launcher(Display* dpy, const Options& options) : dpy_(dpy), o_(options)
    {
        int errorBase = 0;
        if (!XDamageQueryExtension(dpy_, &damageEvent_, &errorBase)) {
            std::fprintf(stderr, "startup_launcher: the X server has no DAMAGE extension\n");
            std::exit(1);
        }
        int major = 0, minor = 0;
        XDamageQueryVersion(dpy_, &major, &minor);
        root_ = DefaultRootWindow(dpy_);
        // A window with no background of its own shows what lay beneath it
        // until its program draws; paint the root in a colour no program here
        // draws, so an undrawn pixel can be told from a drawn one.
        XColor colour{};
        colour.red = 0x1300;
        colour.green = 0xF700;
        colour.blue = 0x2D00;
        colour.flags = DoRed | DoGreen | DoBlue;
        if (!XAllocColor(dpy_, DefaultColormap(dpy_, DefaultScreen(dpy_)), &colour)) {
            std::fprintf(stderr, "startup_launcher: cannot allocate the root's marker colour\n");
            std::exit(1);
        }
        marker_ = colour.pixel;
        XSetWindowBackground(dpy_, root_, marker_);
        XClearWindow(dpy_, root_);
        XSelectInput(dpy_, root_, SubstructureNotifyMask);
        XSync(dpy_, False);
    }

    RunResult run(const Program& program)
    {
        forgetWindows();
        drain();

        RunResult r;
        const std::string path = program.path;
        char* const args[] = {const_cast<char*>(path.c_str()), nullptr};
        pid_t pid = 0;
        const Clock::time_point t0 = Clock::now();
        runStart_ = t0;
        if (const int err = posix_spawn(&pid, path.c_str(), nullptr, nullptr, args, environ); err != 0) {
            r.error = "cannot start " + path + ": " + std::strerror(err);
            return r;
        }

        const Clock::time_point deadline = t0 + std::chrono::milliseconds(o_.timeoutMs);
        std::optional<Clock::time_point> mappedAt;
        std::optional<Clock::time_point> frameAt;
        bool exited = false;
        while (!frameAt && !exited) {
            while (XPending(dpy_) && !frameAt) {
                XEvent ev;
                XNextEvent(dpy_, &ev);
                handle(ev, pid, mappedAt, frameAt);
            }
            if (frameAt)
                break;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                exited = true;
                r.error = path + " ended before drawing a window";
                break;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                r.error = path + " drew no full window within " + std::to_string(o_.timeoutMs) + " ms";
                break;
            }
            pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min<long>(left.count(), 20)));
        }

        if (frameAt) {
            r.ok = true;
            r.startupMs = msBetween(t0, *frameAt);
            r.mapMs = msBetween(t0, *mappedAt);
            std::this_thread::sleep_for(std::chrono::milliseconds(o_.settleMs));
            r.rssKiB = residentKiB(pid);
            if (r.rssKiB < 0) {
                r.ok = false;
                r.error = "cannot read the resident memory of " + path;
            }
        }
        if (!exited) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        // Let the server tear down the killed client's windows before the next run.
        XSync(dpy_, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        drain();
        forgetWindows();
        return r;
    }

private:
    void drain()
    {
        XSync(dpy_, False);
        while (XPending(dpy_)) {
            XEvent ev;
            XNextEvent(dpy_, &ev);
        }
    }

    void forgetWindows()
    {
        for (auto& [w, t] : windows_)
            if (t.drawn)
                XDestroyRegion(t.drawn);
        windows_.clear();
    }

    Tracked& track(Window w)
    {
        Tracked& t = windows_[w];
        if (!t.damage) {
            t.damage = XDamageCreate(dpy_, w, XDamageReportRawRectangles);
            t.drawn = XCreateRegion();
        }
        return t;
    }

    void handle(const XEvent& ev, pid_t pid, std::optional<Clock::time_point>& mappedAt,
                std::optional<Clock::time_point>& frameAt)
    {
        const Clock::time_point now = Clock::now();
        switch (ev.type) {
        case CreateNotify:
            // Watch every new top-level window from its creation on, so no
            // drawing after its map can slip past.
            if (ev.xcreatewindow.parent == root_ && !ev.xcreatewindow.override_redirect) {
                Tracked& t = track(ev.xcreatewindow.window);
                t.width = ev.xcreatewindow.width;
                t.height = ev.xcreatewindow.height;
            }
            return;
        case ConfigureNotify:
            if (auto it = windows_.find(ev.xconfigure.window); it != windows_.end()) {
                it->second.width = ev.xconfigure.width;
                it->second.height = ev.xconfigure.height;
            }
            return;
        case MapNotify: {
            if (ev.xmap.event != root_ || ev.xmap.override_redirect)
                return;
            const Window w = ev.xmap.window;
            if (const auto owner = windowPid(dpy_, w); owner && *owner != pid)
                return;
            Tracked& t = track(w);
            XWindowAttributes attributes;
            if (XGetWindowAttributes(dpy_, w, &attributes)) {
                t.width = attributes.width;
                t.height = attributes.height;
            }
            t.mapped = true;
            if (!mappedAt)
                mappedAt = now;
            if (o_.verbose)
                std::fprintf(stderr, "  %8.2f ms  map 0x%lx %dx%d\n", msBetween(runStart_, now), w, t.width,
                             t.height);
            return;
        }
        case DestroyNotify:
            if (auto it = windows_.find(ev.xdestroywindow.window); it != windows_.end()) {
                if (it->second.drawn)
                    XDestroyRegion(it->second.drawn);
                windows_.erase(it);
            }
            return;
        default:
            break;
        }
        if (ev.type != damageEvent_ + XDamageNotify)
            return;
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(ev);
        auto it = windows_.find(d.drawable);
        if (it == windows_.end() || !it->second.mapped)
            return;
        Tracked& t = it->second;
        XRectangle area{d.area.x, d.area.y, d.area.width, d.area.height};
        XUnionRectWithRegion(&area, t.drawn, t.drawn);
        const bool whole = XRectInRegion(t.drawn, 0, 0, static_cast<unsigned>(t.width),
                                         static_cast<unsigned>(t.height)) == RectangleIn;
        if (o_.verbose)
            std::fprintf(stderr, "  %8.2f ms  damage %d,%d %ux%u%s\n", msBetween(runStart_, now), area.x, area.y,
                         area.width, area.height, whole ? "  (whole window drawn)" : "");
        if (!whole || frameAt)
            return;
        // Damage also follows things the server does on its own; the frame
        // counts only once no pixel of the root's marker colour shows through.
        if (showsRoot(d.drawable, t)) {
            if (o_.verbose)
                std::fprintf(stderr, "  %8.2f ms  (the root still shows through: not drawn yet)\n",
                             msBetween(runStart_, Clock::now()));
            XDestroyRegion(t.drawn);
            t.drawn = XCreateRegion();
            return;
        }
        frameAt = now;
    }

    bool showsRoot(Window w, const Tracked& t)
    {
        XImage* image = XGetImage(dpy_, w, 0, 0, static_cast<unsigned>(t.width), static_cast<unsigned>(t.height),
                                  AllPlanes, ZPixmap);
        if (!image)
            return true;
        bool found = false;
        for (int y = 0; y < image->height && !found; ++y)
            for (int x = 0; x < image->width && !found; ++x)
                found = XGetPixel(image, x, y) == marker_;
        XDestroyImage(image);
        return found;
    }

    Display* dpy_;
    const Options& o_;
    Window root_ = 0;
    int damageEvent_ = 0;
    unsigned long marker_ = 0;
    std::map<Window, Tracked> windows_;
    Clock::time_point runStart_;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options o = parse(argc, argv);
    // The programs draw through the X server under test, whatever the caller's session uses.
    setenv("QT_QPA_PLATFORM", "xcb", 1);

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "startup_launcher: cannot open the display '%s'\n",
                     getenv("DISPLAY") ? getenv("DISPLAY") : "");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    Launcher launcher(dpy, o);

    const int rounds = o.warmup + o.runs;
    for (int round = 0; round < rounds; ++round) {
        const bool warm = round < o.warmup;
        std::vector<Program*> order;
        for (Program& p : o.programs)
            order.push_back(&p);
        if (round % 2)
            std::reverse(order.begin(), order.end());
        for (Program* p : order) {
            const RunResult r = launcher.run(*p);
            if (!r.ok) {
                std::fprintf(stderr, "startup_launcher: %s\n", r.error.c_str());
                XCloseDisplay(dpy);
                return 1;
            }
            std::printf("%s %-12s startup %8.2f ms  map %8.2f ms  rss %7ld KiB\n",
                        warm ? "warmup" : "run   ", p->name.c_str(), r.startupMs, r.mapMs, r.rssKiB);
            if (!warm) {
                p->startupMs.push_back(r.startupMs);
                p->mapMs.push_back(r.mapMs);
                p->rssKiB.push_back(r.rssKiB);
            }
        }
        std::fflush(stdout);
    }
    XCloseDisplay(dpy);

    const Program& base = o.programs.back();
    auto rssMedian = [](const Program& p) {
        return median(std::vector<double>(p.rssKiB.begin(), p.rssKiB.end()));
    };
    std::printf("\n");
    for (const Program& p : o.programs) {
        const auto [lo, hi] = std::minmax_element(p.startupMs.begin(), p.startupMs.end());
        std::printf("median %s startup_ms %.2f map_ms %.2f rss_kib %.0f min_ms %.2f max_ms %.2f runs %zu\n",
                    p.name.c_str(), median(p.startupMs), median(p.mapMs), rssMedian(p), *lo, *hi,
                    p.startupMs.size());
    }
    for (const Program& p : o.programs) {
        if (&p == &base)
            continue;
        // The ratio of the fastest runs too: it shows the cost with the least
        // interference from whatever else the machine was doing.
        const double fastest = *std::min_element(p.startupMs.begin(), p.startupMs.end());
        const double baseFastest = *std::min_element(base.startupMs.begin(), base.startupMs.end());
        std::printf("ratio %s/%s startup %.3f rss %.3f fastest %.3f\n", p.name.c_str(), base.name.c_str(),
                    median(p.startupMs) / median(base.startupMs), rssMedian(p) / rssMedian(base),
                    fastest / baseFastest);
    }
    return 0;
}
