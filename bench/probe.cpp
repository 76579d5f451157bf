// The bench's eye and hand on the X display: starts a program, waits for its
// windows to appear and show what they should, presses keys the way a
// keyboard would (XTest) and times how long the pixels take to answer.
// It knows nothing of the game: the runner tells it which window size to
// look for and which pixels to expect.
//
//   probe launch LOG WxH EXPECT... -- PROGRAM
//       starts PROGRAM, its output going to LOG, and waits for its first window of that size to be
//       mapped with every EXPECT on screen; prints "pid window ms".
//   probe key PID WINDOW KEYSYM WxH EXPECT...
//       gives WINDOW the focus, presses KEYSYM and waits for a window of
//       that size of process PID to show every EXPECT; prints "window ms".
//   probe moves WINDOW COUNT X1,Y1 X2,Y2 RRGGBB [each]
//       presses Right and Left in turn, COUNT times, each time waiting for
//       the marker's colour at the square it should move to; prints the
//       median in ms, or with "each" every press's time, one a line.
//   probe rest WINDOW PHASES X,Y,W
//       watches the bar drawn in row Y from X over W pixels wrap PHASES
//       times; prints the period in seconds.
//   probe cpu PID...
//       prints, for each process, the CPU time of all its threads in
//       nanoseconds as the scheduler counts it (/proc/PID/task/*/schedstat)
//       and how often its threads gave up the processor to wait (voluntary
//       context switches): one line "ns waits" a process. Needs no display.
//   probe pixel WINDOW X,Y       prints the colour there.
//   probe bmp FILE W H RRGGBB    writes a plain 24-bit bitmap.
//
// An EXPECT is X,Y=RRGGBB in window coordinates; a colour matches within 24
// per channel, so that small differences in picture decoding do not matter.
// Every wait gives up after 20 s with a message and exit code 1. The probe
// does not look again and again while it waits: the X server tells it
// whenever something is drawn (DAMAGE), and only then does it read pixels,
// so that its looking costs the program measured no processor time.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <ctime>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <utility>
#include <unistd.h>
#include <vector>

namespace {

constexpr double TimeoutMs = 20000.0;
constexpr int Tolerance = 24;
// The marker is one plain colour, drawn exactly; the squares it crosses may
// be close to it.
constexpr int MarkerTolerance = 2;

Display *dpy = nullptr;
bool xFailed = false;
int damageEvents = 0;
// The longest wait for the server's word before the probe looks anyway.
constexpr double LookAnywayMs = 20.0;

int ignoreXError(Display *, XErrorEvent *)
{
    xFailed = true;
    return 0;
}

[[noreturn]] void die(const std::string &why)
{
    std::fprintf(stderr, "probe: %s\n", why.c_str());
    std::exit(1);
}

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1.0e6;
}

void pause(double ms)
{
    timespec t{static_cast<time_t>(ms / 1000.0), static_cast<long>(std::fmod(ms, 1000.0) * 1.0e6)};
    nanosleep(&t, nullptr);
}

// Asks the server to report whatever is drawn into DRAWABLE (and, for the
// root window, into any window on the screen).
void watchDrawing(Drawable drawable)
{
    XDamageCreate(dpy, drawable, XDamageReportRawRectangles);
    XFlush(dpy);
}

// Waits until the server reports something drawn, or LookAnywayMs at most,
// and takes every event waiting.
void awaitDrawing()
{
    if (!XPending(dpy)) {
        pollfd connection{ConnectionNumber(dpy), POLLIN, 0};
        poll(&connection, 1, int(LookAnywayMs));
    }
    while (XPending(dpy)) {
        XEvent event;
        XNextEvent(dpy, &event);
    }
}

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool near(const Rgb &o, int tolerance = Tolerance) const
    {
        return std::abs(r - o.r) <= tolerance && std::abs(g - o.g) <= tolerance && std::abs(b - o.b) <= tolerance;
    }
};

Rgb parseRgb(const std::string &hex)
{
    if (hex.size() != 6)
        die("colour " + hex + " is not RRGGBB");
    const unsigned long v = std::stoul(hex, nullptr, 16);
    return {int((v >> 16) & 0xff), int((v >> 8) & 0xff), int(v & 0xff)};
}

struct Point
{
    int x = 0, y = 0;
};

Point parsePoint(const std::string &text)
{
    Point p;
    if (std::sscanf(text.c_str(), "%d,%d", &p.x, &p.y) != 2)
        die("point " + text + " is not X,Y");
    return p;
}

struct Expect
{
    Point at;
    Rgb colour;
};

std::vector<Expect> parseExpects(char **first, char **last)
{
    std::vector<Expect> expects;
    for (char **a = first; a != last; ++a) {
        const std::string text(*a);
        const auto eq = text.find('=');
        if (eq == std::string::npos)
            die("expectation " + text + " is not X,Y=RRGGBB");
        expects.push_back({parsePoint(text.substr(0, eq)), parseRgb(text.substr(eq + 1))});
    }
    return expects;
}

struct Size
{
    int w = 0, h = 0;
};

Size parseSize(const std::string &text)
{
    Size s;
    if (std::sscanf(text.c_str(), "%dx%d", &s.w, &s.h) != 2)
        die("size " + text + " is not WxH");
    return s;
}

Rgb fromPixel(XImage *image, unsigned long pixel)
{
    const auto channel = [pixel](unsigned long mask) {
        if (!mask)
            return 0;
        int shift = 0;
        while (!((mask >> shift) & 1))
            ++shift;
        const unsigned long v = (pixel & mask) >> shift;
        const unsigned long max = mask >> shift;
        return int(v * 255 / max);
    };
    return {channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask)};
}

// The colours of one row of pixels, or nothing while the window cannot be read.
std::optional<std::vector<Rgb>> readRow(Window w, int x, int y, int width)
{
    xFailed = false;
    XImage *image = XGetImage(dpy, w, x, y, unsigned(width), 1, AllPlanes, ZPixmap);
    XSync(dpy, False);
    if (!image || xFailed) {
        if (image)
            XDestroyImage(image);
        return std::nullopt;
    }
    std::vector<Rgb> row(static_cast<size_t>(width));
    for (int i = 0; i < width; ++i)
        row[size_t(i)] = fromPixel(image, XGetPixel(image, i, 0));
    XDestroyImage(image);
    return row;
}

std::optional<Rgb> readPixel(Window w, Point p)
{
    const auto row = readRow(w, p.x, p.y, 1);
    if (!row)
        return std::nullopt;
    return row->front();
}

bool shows(Window w, const std::vector<Expect> &expects)
{
    for (const Expect &e : expects) {
        const auto got = readPixel(w, e.at);
        if (!got || !got->near(e.colour))
            return false;
    }
    return true;
}

std::optional<long> windowPid(Window w)
{
    static const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    xFailed = false;
    const int rc = XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data);
    std::optional<long> pid;
    if (rc == Success && !xFailed && data && count == 1 && format == 32)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

bool viewableOfSize(Window w, Size size)
{
    XWindowAttributes a{};
    xFailed = false;
    if (!XGetWindowAttributes(dpy, w, &a) || xFailed)
        return false;
    return a.map_state == IsViewable && a.width == size.w && a.height == size.h;
}

// The client windows sit directly under the root, or one level down inside
// the window manager's frames.
std::optional<Window> findWindow(long pid, Size size)
{
    const auto children = [](Window parent) {
        Window root, up, *kids = nullptr;
        unsigned int n = 0;
        std::vector<Window> list;
        xFailed = false;
        if (XQueryTree(dpy, parent, &root, &up, &kids, &n) && !xFailed)
            list.assign(kids, kids + n);
        if (kids)
            XFree(kids);
        return list;
    };
    for (Window top : children(DefaultRootWindow(dpy))) {
        std::vector<Window> candidates{top};
        for (Window inner : children(top))
            candidates.push_back(inner);
        for (Window w : candidates) {
            if (windowPid(w) == pid && viewableOfSize(w, size))
                return w;
        }
    }
    return std::nullopt;
}

// Waits for a window of the process that shows every expectation; returns
// the window.
Window awaitWindow(long pid, Size size, const std::vector<Expect> &expects, double since, const char *what)
{
    for (;;) {
        if (const auto w = findWindow(pid, size); w && shows(*w, expects))
            return *w;
        if (nowMs() - since > TimeoutMs)
            die(std::string("no ") + what + " window showing the expected pixels within 20 s");
        awaitDrawing();
    }
}

void giveFocus(Window w)
{
    const double since = nowMs();
    for (;;) {
        Window focused;
        int revert;
        XGetInputFocus(dpy, &focused, &revert);
        if (focused == w)
            break;
        XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
        XSync(dpy, False);
        if (nowMs() - since > TimeoutMs)
            die("the window did not take the keyboard focus");
        pause(20);
    }
    // Let the program take in its focus before the timed key.
    pause(300);
}

void pressKey(KeySym sym)
{
    const KeyCode code = XKeysymToKeycode(dpy, sym);
    if (!code)
        die("no key code for the key");
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    XFlush(dpy);
}

Window parseWindow(const char *text)
{
    return Window(std::strtoul(text, nullptr, 0));
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// The CPU time of every thread of the process in nanoseconds, as the
// scheduler accounts it, and the times its threads went to sleep to wait.
// (/proc/PID/stat counts in ticks of 10 ms: too coarse for a process that
// spends a few per cent of a core.)
std::pair<unsigned long long, unsigned long long> schedOf(long pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        die("process " + std::to_string(pid) + " is gone");
    unsigned long long ns = 0, waits = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string task = tasks + "/" + entry->d_name;
        std::ifstream sched(task + "/schedstat");
        unsigned long long run = 0;
        if (sched >> run)
            ns += run;
        std::ifstream status(task + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                waits += std::stoull(line.substr(line.find(':') + 1));
        }
    }
    closedir(dir);
    return {ns, waits};
}

int cpu(int argc, char **argv)
{
    if (argc < 3)
        die("cpu needs PID...");
    for (int i = 2; i < argc; ++i) {
        const auto [ns, waits] = schedOf(std::atol(argv[i]));
        std::printf("%llu %llu\n", ns, waits);
    }
    return 0;
}

int launch(int argc, char **argv)
{
    char **dashes = std::find_if(argv + 4, argv + argc, [](const char *a) { return std::strcmp(a, "--") == 0; });
    if (dashes == argv + argc || dashes + 1 == argv + argc)
        die("launch needs -- PROGRAM");
    const char *log = argv[2];
    const Size size = parseSize(argv[3]);
    const std::vector<Expect> expects = parseExpects(argv + 4, dashes);
    watchDrawing(DefaultRootWindow(dpy));
    const double since = nowMs();
    const pid_t pid = fork();
    if (pid < 0)
        die("cannot start the program");
    if (pid == 0) {
        // The program outlives the probe: it must not hold the probe's output open.
        const int out = open(log, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0)
            _exit(126);
        dup2(out, 1);
        dup2(out, 2);
        close(out);
        execv(dashes[1], dashes + 1);
        std::perror("probe: exec");
        _exit(127);
    }
    const Window w = awaitWindow(pid, size, expects, since, "first");
    std::printf("%ld 0x%lx %.1f\n", long(pid), w, nowMs() - since);
    return 0;
}

int key(int argc, char **argv)
{
    if (argc < 6)
        die("key needs PID WINDOW KEYSYM WxH");
    const long pid = std::atol(argv[2]);
    const Window w = parseWindow(argv[3]);
    const KeySym sym = XStringToKeysym(argv[4]);
    if (sym == NoSymbol)
        die(std::string("unknown key ") + argv[4]);
    const Size size = parseSize(argv[5]);
    const std::vector<Expect> expects = parseExpects(argv + 6, argv + argc);
    giveFocus(w);
    watchDrawing(DefaultRootWindow(dpy));
    const double since = nowMs();
    pressKey(sym);
    const Window shown = awaitWindow(pid, size, expects, since, "answering");
    std::printf("0x%lx %.1f\n", shown, nowMs() - since);
    return 0;
}

int moves(int argc, char **argv)
{
    if (argc != 7 && !(argc == 8 && std::strcmp(argv[7], "each") == 0))
        die("moves needs WINDOW COUNT X1,Y1 X2,Y2 RRGGBB [each]");
    const Window w = parseWindow(argv[2]);
    const int count = std::atoi(argv[3]);
    const Point squares[2] = {parsePoint(argv[4]), parsePoint(argv[5])};
    const Rgb marker = parseRgb(argv[6]);
    giveFocus(w);
    watchDrawing(w);
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        // Even presses go right to the second square, odd ones back left.
        const Point target = squares[(i + 1) % 2];
        const auto before = readPixel(w, target);
        if (!before || before->near(marker, MarkerTolerance))
            die("the marker's next square already shows its colour");
        const double since = nowMs();
        pressKey(i % 2 ? XK_Left : XK_Right);
        for (;;) {
            const auto now = readPixel(w, target);
            if (now && now->near(marker, MarkerTolerance))
                break;
            if (nowMs() - since > TimeoutMs)
                die("the marker did not reach its new square");
            awaitDrawing();
        }
        times.push_back(nowMs() - since);
        // Apart far enough that no press meets the last one's repaint.
        pause(40);
    }
    if (argc == 8) {
        for (const double t : times)
            std::printf("%.3f\n", t);
    } else {
        std::printf("%.3f\n", median(times));
    }
    return 0;
}

// How far the bar is filled: its chunk is the style's highlight, which is
// blue, where the groove and frame are grey.
int filled(const std::vector<Rgb> &row)
{
    return int(std::count_if(row.begin(), row.end(), [](const Rgb &c) { return c.b - c.r > 50; }));
}

int rest(int argc, char **argv)
{
    if (argc != 5)
        die("rest needs WINDOW PHASES X,Y,W");
    const Window w = parseWindow(argv[2]);
    const int phases = std::atoi(argv[3]);
    int x = 0, y = 0, width = 0;
    if (std::sscanf(argv[4], "%d,%d,%d", &x, &y, &width) != 3)
        die("bar row is not X,Y,W");

    const double start = nowMs();
    std::vector<double> wraps;
    int last = -1;
    while (int(wraps.size()) <= phases) {
        const double t = nowMs();
        const auto row = readRow(w, x, y, width);
        if (!row)
            die("the bar cannot be read");
        const int now = filled(*row);
        // The bar empties at once: from most of its width to almost nothing.
        if (last >= 0 && last - now > width / 2)
            wraps.push_back(t);
        last = now;
        if (t - start > TimeoutMs + phases * 2000.0)
            die("the bar did not wrap often enough");
        pause(1);
    }
    std::printf("%.4f\n", (wraps.back() - wraps.front()) / phases / 1000.0);
    return 0;
}

int pixel(int argc, char **argv)
{
    if (argc != 4)
        die("pixel needs WINDOW X,Y");
    const auto c = readPixel(parseWindow(argv[2]), parsePoint(argv[3]));
    if (!c)
        die("the window cannot be read");
    std::printf("%02x%02x%02x\n", c->r, c->g, c->b);
    return 0;
}

void put16(std::ofstream &out, uint16_t v)
{
    out.put(char(v & 0xff)).put(char(v >> 8));
}

void put32(std::ofstream &out, uint32_t v)
{
    put16(out, uint16_t(v & 0xffff));
    put16(out, uint16_t(v >> 16));
}

int bmp(int argc, char **argv)
{
    if (argc != 6)
        die("bmp needs FILE W H RRGGBB");
    const int w = std::atoi(argv[3]);
    const int h = std::atoi(argv[4]);
    const Rgb c = parseRgb(argv[5]);
    const int stride = (w * 3 + 3) / 4 * 4;
    std::ofstream out(argv[2], std::ios::binary);
    out.write("BM", 2);
    put32(out, uint32_t(54 + stride * h));
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, uint32_t(w));
    put32(out, uint32_t(h));
    put16(out, 1);
    put16(out, 24);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    std::string row(size_t(stride), '\0');
    for (int i = 0; i < w; ++i) {
        row[size_t(i * 3)] = char(c.b);
        row[size_t(i * 3 + 1)] = char(c.g);
        row[size_t(i * 3 + 2)] = char(c.r);
    }
    for (int i = 0; i < h; ++i)
        out.write(row.data(), stride);
    if (!out)
        die(std::string("cannot write ") + argv[2]);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: probe launch|key|moves|rest|cpu|pixel|bmp ...\n");
        return 2;
    }
    const std::string command = argv[1];
    if (command == "bmp")
        return bmp(argc, argv);
    if (command == "cpu")
        return cpu(argc, argv);
    dpy = XOpenDisplay(nullptr);
    if (!dpy)
        die("cannot open the display");
    XSetErrorHandler(ignoreXError);
    int event, error, major, minor;
    if (!XTestQueryExtension(dpy, &event, &error, &major, &minor))
        die("the display has no XTest");
    if (!XDamageQueryExtension(dpy, &damageEvents, &error))
        die("the display has no DAMAGE");
    if (command == "launch")
        return launch(argc, argv);
    if (command == "key")
        return key(argc, argv);
    if (command == "moves")
        return moves(argc, argv);
    if (command == "rest")
        return rest(argc, argv);
    if (command == "pixel")
        return pixel(argc, argv);
    die("unknown command " + command);
}
