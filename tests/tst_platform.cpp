#include "system/beep.h"
#include "system/clock.h"
#include "system/endrequests.h"
#include "system/gameerror.h"
#include "forms/messagebox.h"
#include "system/programend.h"
#include "system/programfolder.h"
#include "system/randomsource.h"
#include "system/safefile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <csignal>
#include <sys/wait.h>
#include <atomic>
#include <thread>
#include <unistd.h>

// The thin layers over the system and the seams that tests use.
class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    // Before any signal is noted in this process: its children start afresh.
    void secondSignal_data();
    void secondSignal();
    void randomValuesLieInTheUnitInterval();
    void scriptedDrawsComeFirstAndAreCounted();
    void fixedClockGivesRepeatableDraws();
    void realClockReseedsDifferently();
    void programFolderOverride();
    void messageBoxHasOneOkButtonAndNoIcon();
    void messageBoxKeepsItsOwnSize_data();
    void messageBoxKeepsItsOwnSize();
    void messageBoxAsksForOnePlace();
    void programEndIsRecordedUnderTest();
    void failuresCarryStableCodes_data();
    void failuresCarryStableCodes();
    void requestsFromOutsideArriveAsSignals_data();
    void requestsFromOutsideArriveAsSignals();
    // Last: from then on no box of this process waits.
    void boxesAreAnsweredOnceTheProgramEnds();
};

void tst_Platform::cleanup()
{
    RandomSource::clearScript();
    RandomSource::resetCounts();
    Clock::release();
    ProgramEnd::clearHandler();
    MessageBox::clearHandler();
}

// Signals that come together (a logout sends SIGTERM and SIGHUP at once,
// a closed terminal SIGHUP twice) are one request: the game saves and
// ends with 0. One that comes later, while that save hangs, ends the
// program at once with 128 + its number, the file whole. In a child, whose
// end stands for the game's: the file saved, then 0.
void tst_Platform::secondSignal_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("late"); // after the burst, while the save hangs
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("TERM and HUP at once") << SIGTERM << SIGHUP << false << 0 << QByteArray("saved");
    QTest::newRow("HUP and HUP at once") << SIGHUP << SIGHUP << false << 0 << QByteArray("saved");
    QTest::newRow("INT and INT at once") << SIGINT << SIGINT << false << 0 << QByteArray("saved");
    QTest::newRow("HUP after the burst, the save hung")
        << SIGTERM << SIGHUP << true << 128 + SIGHUP << QByteArray("old");
}

void tst_Platform::secondSignal()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, late);
    QFETCH(int, status);
    QFETCH(QByteArray, file);
    const QTemporaryDir folder;
    const QString path = folder.filePath("Character.chx");
    SafeFile::write(path, "old");
    EndRequests *requests = EndRequests::install();
    const pid_t child = fork();
    if (child == 0) {
        connect(requests, &EndRequests::endRequested, [&] {
            if (late) {
                QTest::qSleep(EndRequests::BurstMilliseconds + 200);
                ::raise(second);
            }
            SafeFile::write(path, "saved");
            ::_exit(0);
        });
        ::raise(first);
        if (!late)
            ::raise(second);
        QTest::qWait(5000);
        ::_exit(3);
    }
    int ended = 0;
    QCOMPARE(waitpid(child, &ended, 0), child);
    QVERIFY2(WIFEXITED(ended), qPrintable(QStringLiteral("ended by signal %1").arg(WTERMSIG(ended))));
    QCOMPARE(WEXITSTATUS(ended), status);
    QCOMPARE(SafeFile::read(path, 100, 0), file);
}

void tst_Platform::randomValuesLieInTheUnitInterval()
{
    RandomSource::randomize();
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float r = RandomSource::next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void tst_Platform::scriptedDrawsComeFirstAndAreCounted()
{
    RandomSource::resetCounts();
    RandomSource::script({0.25f, 0.0f, 0.999f});
    RandomSource::randomize();
    QCOMPARE(RandomSource::next(), 0.25f);
    QCOMPARE(RandomSource::next(), 0.0f);
    QCOMPARE(RandomSource::next(), 0.999f);
    QCOMPARE(RandomSource::overruns(), 0);
    const float past = RandomSource::next();
    QVERIFY(past >= 0.0f && past < 1.0f);
    QCOMPARE(RandomSource::overruns(), 1);
    QCOMPARE(RandomSource::draws(), 4);
    QCOMPARE(RandomSource::reseeds(), 1);
}

// Re-seeding from a fixed clock repeats the same values.
void tst_Platform::fixedClockGivesRepeatableDraws()
{
    Clock::fix(QDateTime(QDate(2026, 12, 6), QTime(23, 55, 11)));
    RandomSource::randomize();
    const float a1 = RandomSource::next(), a2 = RandomSource::next();
    RandomSource::randomize();
    QCOMPARE(RandomSource::next(), a1);
    QCOMPARE(RandomSource::next(), a2);
    QCOMPARE(Clock::now(), QDateTime(QDate(2026, 12, 6), QTime(23, 55, 11)));
}

// Two re-seeds in quick succession do not repeat the same values.
void tst_Platform::realClockReseedsDifferently()
{
    QList<float> firsts;
    for (int i = 0; i < 20; ++i) {
        RandomSource::randomize();
        firsts << RandomSource::next();
    }
    std::sort(firsts.begin(), firsts.end());
    QVERIFY(std::adjacent_find(firsts.begin(), firsts.end()) == firsts.end());
}

// An override, its trailing slash dropped, holds until it is cleared.
void tst_Platform::programFolderOverride()
{
    const QString own = ProgramFolder::path();
    ProgramFolder::setOverride("/tmp/somewhere/");
    QCOMPARE(ProgramFolder::path(), QString("/tmp/somewhere"));
    ProgramFolder::clearOverride();
    QCOMPARE(ProgramFolder::path(), own);
}

// A real box: one text, only OK, no icon, the program's title by default,
// a caption with a close button.
void tst_Platform::messageBoxHasOneOkButtonAndNoIcon()
{
    bool inspected = false;
    Qt::WindowFlags flags;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), QString("You have died."));
        QCOMPARE(box->windowTitle(), QString("Chromaland"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        flags = box->windowFlags();
        inspected = true;
        box->button(QMessageBox::Ok)->click();
    });
    MessageBox::show("You have died.");
    QVERIFY(inspected);
    // A caption and a close button only: a box offers no maximize (or
    // minimize) that a window system could act on.
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
}

// A window manager on a busy machine may first report a box at the size
// it was created at, before the box has asked for its own: the box asks
// again instead of keeping that size.
void tst_Platform::messageBoxKeepsItsOwnSize_data()
{
    QTest::addColumn<bool>("layoutFollows");
    QTest::newRow("a new layout follows") << true;
    QTest::newRow("the size alone") << false;
}

void tst_Platform::messageBoxKeepsItsOwnSize()
{
    QFETCH(bool, layoutFollows);
    QSize own, after, fixedAt;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        own = box->size();
        QPlatformWindow *window = box->windowHandle()->handle();
        window->setGeometry(QRect(window->geometry().topLeft(), QSize(100, 30)));
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            box->windowHandle(), window->geometry());
        if (layoutFollows)
            QCoreApplication::postEvent(box, new QEvent(QEvent::LayoutRequest));
        QCoreApplication::sendPostedEvents();
        after = box->size();
        fixedAt = box->maximumSize();
        box->button(QMessageBox::Ok)->click();
    });
    MessageBox::show("Character file could not be found - a new character will be created");
    QVERIFY(own.width() > 100);
    QCOMPARE(after, own);
    QCOMPARE(fixedAt, own);
}

namespace {
// Every place a shown box is moved to.
class PlacesSeen : public QObject
{
public:
    QList<QPoint> places;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Move && box->isVisible())
            places.append(box->pos());
        return false;
    }
};
} // namespace

// A box asks the window system for its place once, centred on the window
// it belongs to: a busy window manager may act on the first of two places
// asked for. Its window stands half off the screen, where Qt would choose
// a place of its own inside the screen.
void tst_Platform::messageBoxAsksForOnePlace()
{
    QWidget owner;
    owner.setFixedSize(576, 340);
    const QRect screen = owner.screen()->availableGeometry();
    owner.move(screen.right() - owner.width() / 2, screen.top() + 100);
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    PlacesSeen seen;
    qApp->installEventFilter(&seen);
    QRect box;
    QTimer::singleShot(0, this, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(shown);
        box = shown->frameGeometry();
        shown->button(QMessageBox::Ok)->click();
    });
    MessageBox::show("You have died.");
    qApp->removeEventFilter(&seen);
    QCOMPARE(box.center(), owner.frameGeometry().center());
    QCOMPARE(seen.places, QList<QPoint>{box.topLeft()});
}

void tst_Platform::programEndIsRecordedUnderTest()
{
    QList<int> codes;
    ProgramEnd::setHandler([&](int c) { codes << c; });
    QVERIFY(!ProgramEnd::after(Outcome::carryOn()));
    QVERIFY(ProgramEnd::after(Outcome::end(3)));
    ProgramEnd::now(0);
    QCOMPARE(codes, (QList<int>{3, 0}));
}

void tst_Platform::failuresCarryStableCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("type mismatch") << 13 << "Type mismatch";
    QTest::newRow("overflow") << 6 << "Overflow";
    QTest::newRow("past end") << 62 << "Input past end of file";
    QTest::newRow("not found") << 53 << "File not found";
    QTest::newRow("picture") << 481 << "Invalid picture";
    QTest::newRow("unknown") << 9999 << "Application-defined or object-defined error";
}

void tst_Platform::failuresCarryStableCodes()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(GameError(code).description(), text);
    const GameError detailed(code, "line 8");
    QCOMPARE(detailed.code(), code);
    QCOMPARE(detailed.description(), text + " (line 8)");
    QCOMPARE(QString::fromUtf8(detailed.what()), detailed.description());
}

// SIGTERM, the session's end and its request to commit data, and Qt's
// warning that the Wayland compositor or the X server is gone each come to the interface
// thread as one request: to end, or to keep what the game holds. A signal
// is told between events, never from inside its handler.
void tst_Platform::requestsFromOutsideArriveAsSignals_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("ends");
    QTest::newRow("SIGTERM") << "SIGTERM" << true;
    QTest::newRow("the session ends") << "die" << true;
    QTest::newRow("the session commits its data") << "commit" << false;
    QTest::newRow("the Wayland compositor is gone") << "wayland" << false;
    QTest::newRow("the Wayland compositor is gone, told on Qt's Wayland thread") << "wayland thread" << false;
    QTest::newRow("the X server is gone") << "x11" << false;
}

void tst_Platform::requestsFromOutsideArriveAsSignals()
{
    QFETCH(QString, request);
    QFETCH(bool, ends);
    EndRequests *requests = EndRequests::install();
    QSignalSpy ended(requests, &EndRequests::endRequested);
    QSignalSpy kept(requests, &EndRequests::keepRequested);
    if (request == "SIGTERM") {
        QCOMPARE(::raise(SIGTERM), 0);
        QCOMPARE(ended.count(), 0);
    } else if (request == "die") {
        QWindowSystemInterface::handleApplicationTermination<QWindowSystemInterface::SynchronousDelivery>();
    } else if (request == "commit") {
        QGuiApplicationPrivate::instance()->commitData();
    } else if (request == "x11") {
        const char *warning = "The X11 connection broke (error 1). Did the X11 server die?";
        QTest::ignoreMessage(QtWarningMsg, warning);
        qWarning("%s", warning);
    } else {
        const char *warning = "The Wayland connection broke. Did the Wayland compositor die?";
        QTest::ignoreMessage(QtWarningMsg, warning);
        if (request == "wayland") {
            qWarning("%s", warning);
        } else {
            // Held until the keeping is done on this thread, as Qt would
            // end the program the moment it goes on.
            std::atomic<bool> heldUntilKept = false;
            std::thread wayland([warning, &kept, &heldUntilKept] {
                qWarning("%s", warning);
                heldUntilKept = kept.count() == 1;
            });
            QTRY_COMPARE(kept.count(), 1);
            wayland.join();
            QVERIFY(heldUntilKept);
        }
    }
    QTRY_COMPARE(ended.count() + kept.count(), 1);
    QCOMPARE(ended.count(), ends ? 1 : 0);
}

// Once the program is ending, a box that is up is answered, and one that
// comes later is not shown at all: nobody may be there to answer.
void tst_Platform::boxesAreAnsweredOnceTheProgramEnds()
{
    bool closedByTheTest = false;
    QTimer guard;
    guard.setInterval(3000);
    connect(&guard, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            closedByTheTest = true;
            box->done(0);
        }
    });
    guard.start();
    QTimer::singleShot(0, this, [] { MessageBox::answerAll(); });
    MessageBox::show("You have died.");
    QVERIFY(!closedByTheTest);
    MessageBox::show("The character could not be saved.");
    QVERIFY(!closedByTheTest);
}

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
