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
#include <memory>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr int EndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// What the handler may touch: an atomic that is lock-free, and the eventfd.
std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free flag");
int wakeUp = -1;
EndRequests *instance = nullptr;
QtMessageHandler passOn = nullptr;

extern "C" void onEndSignal(int number)
{
    if (received.exchange(number) != 0)
        ::_exit(128 + number);
    const int saved = errno;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp, &one, sizeof one);
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
