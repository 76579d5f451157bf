#include "system/endrequests.h"

#include <QGuiApplication>
#include <QSemaphore>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <memory>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr int EndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// What the handler may touch: an atomic that is lock-free, the monotonic
// clock and the eventfd.
//
// When the first end signal came, in milliseconds of the monotonic clock;
// 0 until then (a reading of 0 counts as 1). Only differences are taken,
// so the count may wrap around.
std::atomic<std::uint32_t> firstSignalAt{0};
static_assert(std::atomic<std::uint32_t>::is_always_lock_free, "the signal handler needs a lock-free flag");
int wakeUp = -1;
EndRequests *instance = nullptr;
QtMessageHandler passOn = nullptr;

std::uint32_t monotonicMilliseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint32_t ms = std::uint32_t(now.tv_sec) * 1000u + std::uint32_t(now.tv_nsec / 1000000);
    return ms == 0 ? 1 : ms;
}

extern "C" void onEndSignal(int number)
{
    const int saved = errno;
    const std::uint32_t now = monotonicMilliseconds();
    std::uint32_t first = 0;
    if (firstSignalAt.compare_exchange_strong(first, now)) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeUp, &one, sizeof one);
    } else if (std::int32_t(now - first) >= EndRequests::BurstMilliseconds) {
        // Not of the first one's burst: the player insists. (Read on
        // another thread a moment before the first was noted, the time
        // comes out below it.)
        ::_exit(128 + number);
    }
    errno = saved;
}

// Qt's own words just before it ends the program because the Wayland
// compositor or the X server went away (every form begins so).
bool displayGone(QtMsgType type, const QString &message)
{
    return type == QtWarningMsg
        && (message.startsWith(QLatin1String("The Wayland connection"))
            || message.startsWith(QLatin1String("The X11 connection broke")));
}

// How long Qt's display thread is held for the interface thread to save:
// long enough for a save, short enough that a stuck interface thread
// keeps the game from ending only briefly.
constexpr int KeepMilliseconds = 2000;

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (instance && displayGone(type, message)) {
        if (QThread::currentThread() == instance->thread()) {
            emit instance->keepRequested();
        } else {
            // Qt ends the program from its display thread right after this
            // warning: the interface thread saves meanwhile, if it answers.
            const auto kept = std::make_shared<QSemaphore>();
            QMetaObject::invokeMethod(
                instance,
                [kept] {
                    emit instance->keepRequested();
                    kept->release();
                },
                Qt::QueuedConnection);
            kept->tryAcquire(1, KeepMilliseconds);
        }
    }
    if (passOn)
        passOn(type, context, message);
}

} // namespace

EndRequests *EndRequests::install()
{
    if (!instance)
        instance = new EndRequests(QCoreApplication::instance());
    return instance;
}

EndRequests::EndRequests(QObject *parent)
    : QObject(parent)
{
    wakeUp = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeUp >= 0) {
        auto *notifier = new QSocketNotifier(wakeUp, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &EndRequests::readSignals);
        struct sigaction action
        {
        };
        action.sa_handler = onEndSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (const int number : EndSignals)
            ::sigaction(number, &action, nullptr);
    }
    qApp->installEventFilter(this);
#ifndef QT_NO_SESSIONMANAGER
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &EndRequests::keepRequested);
#endif
    passOn = qInstallMessageHandler(onMessage);
}

EndRequests::~EndRequests()
{
    qInstallMessageHandler(passOn);
    instance = nullptr;
}

bool EndRequests::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit) {
        emit endRequested();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void EndRequests::readSignals()
{
    std::uint64_t count = 0;
    if (::read(wakeUp, &count, sizeof count) == sizeof count)
        emit endRequested();
}
