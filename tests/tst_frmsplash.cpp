#include "testsupport.h"

#include "battle/frmbattlecontrol.h"
#include "map/frmmaingamewindow.h"
#include "title/frmsplash.h"
#include "widgets/picturebox.h"
#include "ui_frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWindow>
#include <QTimer>
#include <functional>

// The title window: its layout, the alternating bottom line and the keys
// that start the game.
class tst_frmSplash : public QObject
{
    Q_OBJECT

private slots:
    void controlsMatchTheLayout_data();
    void controlsMatchTheLayout();
    void windowHasNoTitleBarAndIsCentred();
    void instructionsAreSixParagraphs();
    void bottomLineAlternatesEverySecond();
    void controlCharactersStartTheGame_data();
    void controlCharactersStartTheGame();
    void titleStaysVisibleDuringMapStartUp();
    void failedStartUpLeavesTheTitle();
    void closingTheTitleEndsTheProgram();
    void requestFromOutsideSavesAsClosingDoes_data();
    void requestFromOutsideSavesAsClosingDoes();
};

void tst_frmSplash::controlsMatchTheLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pic_Title") << "pic_Title";
    QTest::newRow("lbl_Instructions") << "lbl_Instructions";
    QTest::newRow("lbl_Author") << "lbl_Author";
}

// Each control shows where its design puts it.
void tst_frmSplash::controlsMatchTheLayout()
{
    QFETCH(QString, name);
    frmSplash title;
    QWidget *control = title.findChild<QWidget *>(name);
    QVERIFY(control);
    QWidget design;
    Ui::frmSplash form;
    form.setupUi(&design);
    QCOMPARE(control->geometry(), static_cast<QWidget *>(requireChild(&design, qPrintable(name)))->geometry());
    QVERIFY(!control->isHidden());
}

// With CHROMALAND_SCREENSHOTS naming a folder, its picture is kept there.
void tst_frmSplash::windowHasNoTitleBarAndIsCentred()
{
    frmSplash title;
    // Nobody can resize it.
    QCOMPARE(title.size(), QSize(576, 340));
    title.resize(title.size() * 2);
    QCOMPARE(title.size(), QSize(576, 340));
    QVERIFY(title.windowFlags() & Qt::FramelessWindowHint);
    // A tool window has no taskbar entry.
    QCOMPARE(title.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QCOMPARE(title.windowTitle(), QStringLiteral("Chromaland"));
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    const QRect screen = title.screen()->availableGeometry();
    QVERIFY(std::abs(title.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(title.geometry().center().y() - screen.center().y()) <= 1);
    QCOMPARE(control<PictureBox>(&title, "pic_Title")->picture().size(), QSize(562, 63));
    QCOMPARE(control<QLabel>(&title, "lbl_Author")->font().pixelSize(), 32);
    QVERIFY(control<QLabel>(&title, "lbl_Author")->font().bold());
    QVERIFY(control<QLabel>(&title, "lbl_Author")->fontMetrics().horizontalAdvance(frmSplash::CreditLine)
            < control<QLabel>(&title, "lbl_Author")->contentsRect().width());
    QVERIFY(control<QLabel>(&title, "lbl_Author")->fontMetrics().horizontalAdvance("Press a key to play")
            < control<QLabel>(&title, "lbl_Author")->contentsRect().width());
    if (const QString folder = qEnvironmentVariable("CHROMALAND_SCREENSHOTS"); !folder.isEmpty())
        QVERIFY(title.grab().save(folder + "/frmSplash.png"));
}

// Six paragraphs with one empty line between them; the battle actions
// worded as on the title screen.
void tst_frmSplash::instructionsAreSixParagraphs()
{
    frmSplash title;
    const QString text = control<QLabel>(&title, "lbl_Instructions")->text();
    const QStringList paragraphs = text.split("\r\n\r\n");
    QCOMPARE(paragraphs.size(), 6);
    QVERIFY(!text.contains('\n' + QString('\n')));
    QVERIFY(paragraphs[0].startsWith(
        "Instructions: You are White Square. Use the cursor keys to move around. At the bottom"));
    QVERIFY(paragraphs[1].contains("You gain Chromara Skills with each kill."));
    QVERIFY(paragraphs[1].endsWith("abilities. "));
    QCOMPARE(paragraphs[3],
             QString("BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage."));
    QVERIFY(paragraphs[4].startsWith("HEAL: Use your magic points to heal"));
    QCOMPARE(paragraphs[5], QString("RETREAT: You run away before the enemy can attack again."));
    QVERIFY(control<QLabel>(&title, "lbl_Instructions")->wordWrap());
}

void tst_frmSplash::bottomLineAlternatesEverySecond()
{
    frmSplash title;
    QCOMPARE(control<QLabel>(&title, "lbl_Author")->text(), frmSplash::CreditLine);
    QCOMPARE(clockOf(&title)->interval(), 1000);
    tick(&title);
    QCOMPARE(control<QLabel>(&title, "lbl_Author")->text(), QString("Press a key to play"));
    tick(&title);
    QCOMPARE(control<QLabel>(&title, "lbl_Author")->text(), frmSplash::CreditLine);
    // Anything but the exact credit line is followed by the credit line.
    control<QLabel>(&title, "lbl_Author")->setText(frmSplash::CreditLine.toUpper());
    tick(&title);
    QCOMPARE(control<QLabel>(&title, "lbl_Author")->text(), frmSplash::CreditLine);
    // The real timer does it too.
    QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(&title, "lbl_Author")->text(), QString("Press a key to play"), 2500);
}

// Return, Backspace and Escape type a character too, a control one, and
// start the game. The other keys are tst_GameKeys' table, whose presses
// carry the text of the printable keys only.
void tst_frmSplash::controlCharactersStartTheGame_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("backspace") << int(Qt::Key_Backspace);
    QTest::newRow("escape") << int(Qt::Key_Escape);
}

void tst_frmSplash::controlCharactersStartTheGame()
{
    QFETCH(int, key);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmSplash title;
    title.show();
    QVERIFY(QTest::qWaitForWindowActive(&title));
    QTest::keyClick(&title, Qt::Key(key));
    QVERIFY(shownMap());
}

// The missing-file message shows while the title is still on screen; then
// the map opens and hides the title for good, which keeps ticking unseen.
void tst_frmSplash::titleStaysVisibleDuringMapStartUp()
{
    Sandbox box;
    frmSplash title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    bool titleVisible = false;
    box.onMessage = [&](const QString &) { titleVisible = title.isVisible(); };
    QTest::keyClick(&title, Qt::Key_X);
    QCOMPARE(box.messages.size(), 1);
    QVERIFY(titleVisible);
    QVERIFY(title.isHidden());
    QVERIFY(shownMap() && shownMap()->isVisible());
    QVERIFY(clockOf(&title)->isActive());
    // Closing the map window ends the program, the hidden title with it.
    box.close(shownMap());
    QCOMPARE(box.ends, QList<int>{0});
}

// A failed start-up ends the program; the title is never hidden.
void tst_frmSplash::failedStartUpLeavesTheTitle()
{
    Sandbox box;
    box.write("Character.chx", "ST=10\r\n");
    frmSplash title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QVERIFY(box.endsProgram([&] { QTest::keyClick(&title, Qt::Key_X); }));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(box.messages.value(0).startsWith("Error: 62 : "));
    QVERIFY(title.isVisible());
    QVERIFY(!shownMap());
}

// Closed by the window system, the title ends the program at once with 0
// and writes nothing.
void tst_frmSplash::closingTheTitleEndsTheProgram()
{
    Sandbox box;
    frmSplash title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QVERIFY(box.endsProgram([&] { title.windowHandle()->close(); }));
    QCOMPARE(box.ends, QList<int>{0});
    QVERIFY(!shownMap());
    QVERIFY(QDir(box.folder()).isEmpty());
}

// A request from outside (a signal, the session's end) to end, or to keep
// what the game holds: wherever it comes, the file is at once what closing
// the map would leave, in a battle under way the character as it stood
// before it, and the end is 0. A battle already won is left as Retreat
// leaves it, its result taken, and then saved and ended. Before the map has
// started there is nothing to save; a death under way is left to end the
// game itself.
void tst_frmSplash::requestFromOutsideSavesAsClosingDoes_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QList<int>>("ends"); // the ends recorded by the request
    // The default character's lines that the file closing the map leaves
    // has changed; none: the file as it was.
    QTest::addColumn<QStringList>("saved");
    QTest::newRow("title, end") << "title"
                                << "end" << QList<int>{0} << QStringList{};
    QTest::newRow("missing-file message, end") << "start-up message"
                                               << "end" << QList<int>{0} << QStringList{};
    QTest::newRow("map, end") << "map"
                              << "end" << QList<int>{0} << QStringList{"HPc=7"};
    QTest::newRow("battle, end") << "battle"
                                 << "end" << QList<int>{0} << QStringList{"HPc=7"};
    QTest::newRow("won battle, end") << "won battle"
                                     << "end" << QList<int>{0} << QStringList{"HPc=7", "R=2"};
    QTest::newRow("death under way, end") << "death"
                                          << "end" << QList<int>{} << QStringList{};
    QTest::newRow("title, keep") << "title"
                                 << "keep" << QList<int>{} << QStringList{};
    QTest::newRow("map, keep") << "map"
                               << "keep" << QList<int>{} << QStringList{"HPc=7"};
    QTest::newRow("battle, keep") << "battle"
                                  << "keep" << QList<int>{} << QStringList{"HPc=7"};
    QTest::newRow("won battle, keep") << "won battle"
                                      << "keep" << QList<int>{} << QStringList{"HPc=7", "R=2"};
}

namespace {

// In the battle window that opens when the player steps onto enemy 20 (red),
// the enemy is defeated and `request` called; `look` once the battle is
// over. Should the request leave the battle open, the player retreats, so
// that the test goes on.
void requestInWonBattle(frmMainGameWindow *map, const std::function<void()> &request, const std::function<void()> &look)
{
    const BattlesExpected expected;
    QTimer inBattle;
    inBattle.setInterval(0);
    QObject::connect(&inBattle, &QTimer::timeout, [&] {
        auto *battle = qobject_cast<frmBattleControl *>(QApplication::activeModalWidget());
        if (!battle)
            return;
        inBattle.stop();
        control<QLabel>(battle, "lbl_Enemy_HP_val")->setText(Dead);
        request();
        if (battle->isVisible()) {
            map->controls().lbl_EnemyTag->setText("Retreat");
            battle->hide();
        }
    });
    inBattle.start();
    QTest::keyClick(control<PictureBox>(map, "pic_WorldMap"), Qt::Key_Right);
    look();
}

// Plays up to `where` and calls `request` there: on the title, at the
// missing-file message, on the map, in a battle under way or won, or at a
// death in it; on the map the health is 7, a change no save followed (as
// healing is). Then `look`, once the request has done its work.
void requestIn(const QString &where, frmSplash &title, Sandbox &box, const std::function<void()> &request,
               const std::function<void()> &look)
{
    const auto requested = [&] {
        request();
        look();
    };
    if (where == "title")
        return requested();
    if (where == "start-up message") {
        box.onMessage = [&](const QString &) { requested(); };
        QTest::keyClick(&title, Qt::Key_X);
        box.onMessage = nullptr;
        return;
    }
    QTest::keyClick(&title, Qt::Key_X);
    frmMainGameWindow *map = shownMap();
    QVERIFY(map);
    map->controls().lbl_HP_val->setText("7");
    if (where == "map")
        return requested();
    place(map->controls().pic_Player, 312.0f, 328.0f);
    if (where == "won battle")
        return requestInWonBattle(map, request, look);
    BattleScript script(map, [&](const MapControls &controls) {
        if (where == "death")
            controls.lbl_EnemyTag->setText("DEAD");
        requested();
        controls.lbl_HP_val->setText(where == "death" ? "-2" : "3");
        if (where == "battle")
            controls.lbl_EnemyTag->setText("Retreat");
    });
    QTest::keyClick(control<PictureBox>(map, "pic_WorldMap"), Qt::Key_Right);
    QCOMPARE(script.tags, QStringList{"20"});
}

} // namespace

void tst_frmSplash::requestFromOutsideSavesAsClosingDoes()
{
    QFETCH(QString, where);
    QFETCH(QString, request);
    QFETCH(QList<int>, ends);
    QFETCH(QStringList, saved);
    Sandbox box;
    if (where != "start-up message")
        box.writeCharacter(Sandbox::defaultLines());
    const QByteArray before = box.read("Character.chx");
    // A death's archive goes to the working folder.
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(box.folder());
    frmSplash title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));

    QByteArray onDisk;
    QList<int> endsThen;
    requestIn(
        where, title, box,
        [&] {
            if (request == "end") {
                title.endOnRequest();
                return;
            }
            // What is kept is on disk when the request returns: the program
            // may end right after it.
            title.keepOnRequest();
            onDisk = box.read("Character.chx");
        },
        [&] {
            if (request == "end")
                onDisk = box.read("Character.chx");
            endsThen = box.ends;
        });
    QDir::setCurrent(startFolder);
    QCOMPARE(endsThen, ends);
    QStringList closed = Sandbox::defaultLines();
    for (const QString &line : saved) {
        for (QString &was : closed) {
            if (was.section('=', 0, 0) == line.section('=', 0, 0))
                was = line;
        }
    }
    QCOMPARE(onDisk, saved.isEmpty() ? before : Sandbox::lines(closed << "Saved: 6 Dec 2026 23:55:11"));
}

QTEST_MAIN(tst_frmSplash)
#include "tst_frmsplash.moc"
