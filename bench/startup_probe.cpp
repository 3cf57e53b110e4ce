#include "bench/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace tavrel::bench
{

namespace
{

double secondsOf(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// "seconds.microseconds" from the launcher; the separator may be a comma
// under a decimal-comma locale.
std::optional<double> launchedAt()
{
    const char *text = std::getenv("TAVREL_BENCH_LAUNCHED");
    if (!text || !*text)
        return std::nullopt;
    std::string_view s(text);
    const auto point = s.find_first_of(".,");
    long long whole = 0, fraction = 0;
    const std::string_view wholePart = s.substr(0, point);
    if (std::from_chars(wholePart.data(), wholePart.data() + wholePart.size(), whole).ec != std::errc{})
        return std::nullopt;
    double value = static_cast<double>(whole);
    if (point != std::string_view::npos) {
        const std::string_view fractionPart = s.substr(point + 1);
        if (std::from_chars(fractionPart.data(), fractionPart.data() + fractionPart.size(), fraction).ec ==
            std::errc{}) {
            double scale = 1;
            for (std::size_t i = 0; i < fractionPart.size(); ++i)
                scale *= 10;
            value += static_cast<double>(fraction) / scale;
        }
    }
    return value;
}

// Field 22 of /proc/self/stat: clock ticks from boot to the start of the
// process. The command name (field 2) may hold blanks, so count from its
// closing parenthesis.
std::optional<double> startedAfterBoot()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line))
        return std::nullopt;
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 22) {
            ticks = std::stoull(field);
            return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
        }
    }
    return std::nullopt;
}

// Seconds since the start of the process, measured on `now` of the clock
// the start is known in.
struct Clock {
    clockid_t id;
    double start;
    double sinceStart() const { return secondsOf(id) - start; }
};

Clock processClock()
{
    if (auto launched = launchedAt())
        return {CLOCK_REALTIME, *launched};
    if (auto started = startedAfterBoot())
        return {CLOCK_BOOTTIME, *started};
    return {CLOCK_MONOTONIC, secondsOf(CLOCK_MONOTONIC)};
}

double mainEnteredAt = -1; // seconds since the start of the process

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, Clock clock) : QObject(window), window_(window), clock_(clock) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && paintedAt_ < 0) {
            paintedAt_ = clock_.sinceStart();
            // Runs after the frame that this paint begins has been drawn.
            QMetaObject::invokeMethod(this, &FirstPaint::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        const double frameDoneAt = clock_.sinceStart();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%.1f %ld\n", paintedAt_ * 1e3, usage.ru_maxrss);
        std::fflush(stdout);
        std::fprintf(stderr, "before-main %.1f ms, frame-done %.1f ms\n", mainEnteredAt * 1e3,
                     frameDoneAt * 1e3);
        QCoreApplication::quit();
    }

    QWidget *window_;
    Clock clock_;
    double paintedAt_ = -1;
};

} // namespace

void markMainEntered()
{
    mainEnteredAt = processClock().sinceStart();
}

void reportFirstPaint(QWidget *window)
{
    window->installEventFilter(new FirstPaint(window, processClock()));
    // A window that never paints must not stall the run.
    QTimer::singleShot(10000, window, [] {
        std::fprintf(stderr, "no paint within 10 s\n");
        std::exit(1);
    });
}

} // namespace tavrel::bench
