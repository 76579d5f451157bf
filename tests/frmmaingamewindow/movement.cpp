#include "testsupport.h"

#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/randomsource.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>

// The player on the map: arrow keys, the player's two pictures, the
// encounter check after every key and the keyboard focus.
class tst_MapPlayMove : public QObject
{
    Q_OBJECT

private slots:
    void arrowKeysStepInsideTheGrid_data();
    void arrowKeysStepInsideTheGrid();
    void heldKeyMovesOncePerRepeat_data();
    void heldKeyMovesOncePerRepeat();
    void aKeyRepaintsOnlyWhatChanged_data();
    void aKeyRepaintsOnlyWhatChanged();
    void everyKeyChecksForAnEncounter_data();
    void everyKeyChecksForAnEncounter();
    void mapHasTheFocusWhenOpened();
    void focusReturnsToTheMapAfterPlus_data();
    void focusReturnsToTheMapAfterPlus();
    void screenshotShowsTheMarkers();
};

namespace {

const QColor OrdinaryColour(0, 0, 255);
const QColor HealingColour(0, 200, 0);

// A map with the default character, the two player pictures told apart
// by colour, and the clock held still so that only the test moves things.
// The enemies are all hidden, so that no walk meets one.
frmMainGameWindow *openMap(Sandbox &sandbox, const QStringList &lines = Sandbox::defaultLines())
{
    sandbox.write(QStringLiteral("Graphics/Player.bmp"), bitmapFile({16, 16}, OrdinaryColour));
    sandbox.write(QStringLiteral("Graphics/Player_Healing.bmp"), bitmapFile({16, 16}, HealingColour));
    sandbox.writeCharacter(lines);
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();
    for (PictureBox *enemy : map->controls().pic_Enemy)
        enemy->hide();
    return map;
}

QColor pictureColour(const PictureBox *box)
{
    const QPixmap picture = box->picture();
    return picture.isNull() ? QColor() : picture.toImage().pixelColor(0, 0);
}

// Shows the map as the player sees it, active and ready for keys.
bool showActive(frmMainGameWindow *map)
{
    map->show();
    QApplication::setActiveWindow(map);
    map->activateWindow();
    return QTest::qWaitForWindowActive(map);
}

// Counts the paint events a widget receives while it lives.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

} // namespace

// One square per arrow while the move stays on the grid (left 8 to 328,
// top 8 to 344); off-grid moves and other keys leave the player where it
// is. Shift, Ctrl and Alt do not matter. The picture is refreshed on
// every key: the healing one in the bottom row, the ordinary one above.
void tst_MapPlayMove::arrowKeysStepInsideTheGrid_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<float>("newLeft");
    QTest::addColumn<float>("newTop");

    const int none = Qt::NoModifier;
    const struct Corner
    {
        const char *name;
        float left, top;
    } corners[] = {{"top-left", 8, 8}, {"top-right", 328, 8}, {"bottom-left", 8, 344}, {"bottom-right", 328, 344}};
    for (const Corner &c : corners) {
        const bool atLeft = c.left == 8, atTop = c.top == 8;
        QTest::addRow("%s left", c.name) << c.left << c.top << int(Qt::Key_Left) << none
                                         << (atLeft ? c.left : c.left - 16) << c.top;
        QTest::addRow("%s right", c.name)
            << c.left << c.top << int(Qt::Key_Right) << none << (atLeft ? c.left + 16 : c.left) << c.top;
        QTest::addRow("%s up", c.name) << c.left << c.top << int(Qt::Key_Up) << none << c.left
                                       << (atTop ? c.top : c.top - 16);
        QTest::addRow("%s down", c.name) << c.left << c.top << int(Qt::Key_Down) << none << c.left
                                         << (atTop ? c.top + 16 : c.top);
    }

    QTest::newRow("up onto the top row") << 168.f << 24.f << int(Qt::Key_Up) << none << 168.f << 8.f;
    QTest::newRow("left onto the left column") << 24.f << 168.f << int(Qt::Key_Left) << none << 8.f << 168.f;
    QTest::newRow("right onto the right column") << 312.f << 168.f << int(Qt::Key_Right) << none << 328.f << 168.f;
    QTest::newRow("down into the healing row") << 168.f << 328.f << int(Qt::Key_Down) << none << 168.f << 344.f;
    QTest::newRow("up out of the healing row") << 168.f << 344.f << int(Qt::Key_Up) << none << 168.f << 328.f;
    QTest::newRow("sideways in the healing row") << 168.f << 344.f << int(Qt::Key_Left) << none << 152.f << 344.f;

    QTest::newRow("shift left") << 168.f << 168.f << int(Qt::Key_Left) << int(Qt::ShiftModifier) << 152.f << 168.f;
    QTest::newRow("ctrl up") << 168.f << 168.f << int(Qt::Key_Up) << int(Qt::ControlModifier) << 168.f << 152.f;
    QTest::newRow("alt right") << 168.f << 168.f << int(Qt::Key_Right) << int(Qt::AltModifier) << 184.f << 168.f;
    QTest::newRow("all three down") << 168.f << 328.f << int(Qt::Key_Down)
                                    << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 168.f << 344.f;
    QTest::newRow("keypad arrow") << 168.f << 168.f << int(Qt::Key_Left) << int(Qt::KeypadModifier) << 152.f << 168.f;

    QTest::newRow("letter") << 168.f << 168.f << int(Qt::Key_A) << none << 168.f << 168.f;
    QTest::newRow("space") << 168.f << 344.f << int(Qt::Key_Space) << none << 168.f << 344.f;
    // Their character codes are those of the arrows' key codes.
    QTest::newRow("percent sign") << 168.f << 168.f << int(Qt::Key_Percent) << none << 168.f << 168.f;
    QTest::newRow("ampersand") << 168.f << 168.f << int(Qt::Key_Ampersand) << none << 168.f << 168.f;
    QTest::newRow("apostrophe") << 168.f << 168.f << int(Qt::Key_Apostrophe) << none << 168.f << 168.f;
    QTest::newRow("opening parenthesis") << 168.f << 168.f << int(Qt::Key_ParenLeft) << none << 168.f << 168.f;
}

void tst_MapPlayMove::arrowKeysStepInsideTheGrid()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(float, newLeft);
    QFETCH(float, newTop);

    Sandbox sandbox;
    frmMainGameWindow *map = openMap(sandbox);
    place(map->controls().pic_Player, left, top);
    map->controls().pic_Player->setPicture(QPixmap());

    QTest::keyClick(control<PictureBox>(map, "pic_WorldMap"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(map->controls().pic_Player->left(), newLeft);
    QCOMPARE(map->controls().pic_Player->top(), newTop);
    QCOMPARE(pictureColour(map->controls().pic_Player), newTop == 344.f ? HealingColour : OrdinaryColour);
    QCOMPARE(map->controls().pic_Player->pos(),
             control<PictureBox>(map, "pic_WorldMap")->interiorOrigin() + QPoint(int(newLeft), int(newTop)));
}

// A held arrow moves one square per key repeat until the edge of the grid.
void tst_MapPlayMove::heldKeyMovesOncePerRepeat_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("squares");

    QTest::newRow("right along the healing row") << int(Qt::Key_Right) << 8.f << 344.f << 16 << 0 << 20;
    QTest::newRow("down to the healing row") << int(Qt::Key_Down) << 200.f << 8.f << 0 << 16 << 21;
}

void tst_MapPlayMove::heldKeyMovesOncePerRepeat()
{
    QFETCH(int, key);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, squares);

    Sandbox sandbox;
    frmMainGameWindow *map = openMap(sandbox);
    place(map->controls().pic_Player, left, top);

    for (int press = 1; press <= squares + 5; ++press) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), press > 1);
        QApplication::sendEvent(control<PictureBox>(map, "pic_WorldMap"), &repeat);
        const int moved = std::min(press, squares);
        QCOMPARE(map->controls().pic_Player->left(), left + float(moved * dx));
        QCOMPARE(map->controls().pic_Player->top(), top + float(moved * dy));
    }
}

// A key costs the player what it changes on screen: the marker's pixels
// travel with it and only the square it left is drawn anew, unless its
// picture changes; a key that moves nothing draws nothing.
void tst_MapPlayMove::aKeyRepaintsOnlyWhatChanged_data()
{
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("markerDrawn");
    QTest::addColumn<bool>("mapDrawn");

    QTest::newRow("a step") << 168.f << int(Qt::Key_Right) << false << true;
    QTest::newRow("along the healing row") << 344.f << int(Qt::Key_Left) << false << true;
    QTest::newRow("into the healing row") << 328.f << int(Qt::Key_Down) << true << true;
    QTest::newRow("a letter") << 168.f << int(Qt::Key_A) << false << false;
}

void tst_MapPlayMove::aKeyRepaintsOnlyWhatChanged()
{
    QFETCH(float, top);
    QFETCH(int, key);
    QFETCH(bool, markerDrawn);
    QFETCH(bool, mapDrawn);

    Sandbox sandbox;
    frmMainGameWindow *map = openMap(sandbox);
    PictureBox *player = map->controls().pic_Player;
    auto *worldMap = control<PictureBox>(map, "pic_WorldMap");
    place(player, 168.f, top);
    QVERIFY(showActive(map));
    QTest::keyClick(worldMap, Qt::Key_Up);
    QTest::keyClick(worldMap, Qt::Key_Down);
    QApplication::processEvents();

    PaintCounter markerPaints(player);
    PaintCounter mapPaints(worldMap);
    QTest::keyClick(worldMap, Qt::Key(key));
    QApplication::processEvents();

    QCOMPARE(markerPaints.count > 0, markerDrawn);
    QCOMPARE(mapPaints.count > 0, mapDrawn);
}

// Every key runs the encounter check after its step, also a key that
// moves nothing; a battle lost there ends the program from the key handler.
// Which enemies a check fights is the encounter rules' table.
void tst_MapPlayMove::everyKeyChecksForAnEncounter_data()
{
    QTest::addColumn<float>("playerLeft");
    QTest::addColumn<float>("playerTop");
    QTest::addColumn<int>("enemy");
    QTest::addColumn<float>("enemyLeft");
    QTest::addColumn<float>("enemyTop");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("battles");
    QTest::addColumn<bool>("lost");

    QTest::newRow("letter on an enemy") << 168.f << 168.f << 10 << 168.f << 168.f << int(Qt::Key_A) << QStringList{"10"}
                                        << false;
    QTest::newRow("arrow against the edge")
        << 8.f << 200.f << 4 << 8.f << 200.f << int(Qt::Key_Left) << QStringList{"4"} << false;
    QTest::newRow("arrow moving away") << 168.f << 168.f << 10 << 168.f << 168.f << int(Qt::Key_Right) << QStringList{}
                                       << false;
    QTest::newRow("arrow onto an enemy") << 152.f << 168.f << 10 << 168.f << 168.f << int(Qt::Key_Right)
                                         << QStringList{"10"} << false;
    QTest::newRow("battle lost") << 8.f << 8.f << 0 << 8.f << 8.f << int(Qt::Key_A) << QStringList{"0"} << true;
}

void tst_MapPlayMove::everyKeyChecksForAnEncounter()
{
    QFETCH(float, playerLeft);
    QFETCH(float, playerTop);
    QFETCH(int, enemy);
    QFETCH(float, enemyLeft);
    QFETCH(float, enemyTop);
    QFETCH(int, key);
    QFETCH(QStringList, battles);
    QFETCH(bool, lost);

    Sandbox sandbox;
    frmMainGameWindow *map = openMap(sandbox);
    place(map->controls().pic_Player, playerLeft, playerTop);
    place(map->controls().pic_Enemy[enemy], enemyLeft, enemyTop);
    map->controls().pic_Enemy[enemy]->show();

    BattleScript script(map, [lost](const MapControls &controls) {
        controls.lbl_EnemyTag->setText(lost ? Dead : QStringLiteral("Retreat"));
    });
    // A lost battle archives the character in the working folder.
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(sandbox.folder());
    QTest::keyClick(control<PictureBox>(map, "pic_WorldMap"), Qt::Key(key));
    QDir::setCurrent(startFolder);

    QCOMPARE(script.tags, battles);
    QCOMPARE(sandbox.ends, lost ? QList<int>{0} : QList<int>{});
    QCOMPARE(sandbox.exists("Character.chx"), !lost);
}

// The map has the keyboard when the window opens: arrows move the player
// without a click on the map first.
void tst_MapPlayMove::mapHasTheFocusWhenOpened()
{
    Sandbox sandbox;
    frmMainGameWindow *map = openMap(sandbox);
    QVERIFY(showActive(map));
    QCOMPARE(QApplication::focusWidget(), control<PictureBox>(map, "pic_WorldMap"));

    QTest::keyClick(map->windowHandle(), Qt::Key_Up);
    QTest::keyClick(map->windowHandle(), Qt::Key_Right);
    QCOMPARE(map->controls().pic_Player->left(), 24.f);
    QCOMPARE(map->controls().pic_Player->top(), 328.f);
}

// A "+" clicked with the mouse hands the keyboard back to the map. One
// pressed from the keyboard keeps it while points remain, so that a player
// who cannot see the screen hears the new value and may press again; after
// the last point (the buttons vanish) and after a refused press the map has
// it. Either way the next arrow moves the player at once.
void tst_MapPlayMove::focusReturnsToTheMapAfterPlus_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("pointsAfter");
    QTest::addColumn<bool>("keepsFocus");

    const auto row = [](const char *name, const char *button, bool mouse, const char *strength, const char *points,
                        const char *pointsAfter, bool keepsFocus) {
        QTest::newRow(name) << button << mouse << strength << points << pointsAfter << keepsFocus;
    };
    row("strength", "cmd_ST_gain", false, "10", "3", "2", true);
    row("dexterity", "cmd_DX_gain", false, "10", "3", "2", true);
    row("wisdom", "cmd_WS_gain", false, "10", "3", "2", true);
    row("health", "cmd_HP_gain", false, "10", "3", "2", true);
    row("magic", "cmd_MP_gain", false, "10", "3", "2", true);
    row("last point", "cmd_MP_gain", false, "10", "1", "0", false);
    row("refused", "cmd_ST_gain", false, "ten", "3", "3", false);
    row("strength, mouse", "cmd_ST_gain", true, "10", "3", "2", false);
    row("magic, mouse", "cmd_MP_gain", true, "10", "3", "2", false);
}

void tst_MapPlayMove::focusReturnsToTheMapAfterPlus()
{
    QFETCH(QString, button);
    QFETCH(bool, mouse);
    QFETCH(QString, strength);
    QFETCH(QString, points);
    QFETCH(QString, pointsAfter);
    QFETCH(bool, keepsFocus);

    Sandbox sandbox;
    QStringList lines = Sandbox::defaultLines();
    lines[0] = "ST=" + strength;
    lines[7] = "pts=" + points;
    frmMainGameWindow *map = openMap(sandbox, lines);
    QVERIFY(showActive(map));

    auto *plus = map->findChild<QPushButton *>(button);
    QVERIFY(plus && plus->isVisible());
    if (mouse) {
        QTest::mouseClick(plus, Qt::LeftButton);
    } else {
        plus->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), plus);
        QTest::keyClick(map->windowHandle(), Qt::Key_Space);
    }

    QCOMPARE(map->controls().lbl_Points_val->text(), pointsAfter);
    QCOMPARE(QApplication::focusWidget(),
             keepsFocus ? static_cast<QWidget *>(plus) : control<PictureBox>(map, "pic_WorldMap"));
    QTest::keyClick(map->windowHandle(), Qt::Key_Up);
    QCOMPARE(map->controls().pic_Player->top(), 328.f);
    QCOMPARE(QApplication::focusWidget(), control<PictureBox>(map, "pic_WorldMap"));
}

// After some moves and an enemy phase, the window shows the player and
// every shown enemy on the squares the markers hold, and no hidden enemy.
// With CHROMALAND_SCREENSHOTS naming a folder, the picture is kept there.
void tst_MapPlayMove::screenshotShowsTheMarkers()
{
    Sandbox sandbox;
    sandbox.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();
    QVERIFY(showActive(map));

    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up})
        QTest::keyClick(map->windowHandle(), key);
    map->controls().pic_Enemy[5]->hide();
    // One phase: even enemies step right, odd ones down, none comes back.
    QList<float> draws;
    for (int i = 0; i < 21; ++i)
        draws << (i % 2 == 0 ? 0.8f : 0.18f) << 0.9f;
    RandomSource::script(draws);
    runEnemyPhase(map);
    QCOMPARE(RandomSource::scriptRemaining(), 0);
    QCOMPARE(map->controls().pic_Enemy[3]->top(), 72.f);
    QCOMPARE(map->controls().pic_Enemy[4]->left(), 88.f);
    QCOMPARE(map->controls().pic_Enemy[5]->top(), 104.f);

    const QImage shot = map->grab().toImage();
    if (const QString folder = qEnvironmentVariable("CHROMALAND_SCREENSHOTS"); !folder.isEmpty())
        QVERIFY(shot.save(folder + "/mapplay.png"));

    const auto colourAt = [&](const PictureBox *marker) {
        const QPoint centre = control<PictureBox>(map, "pic_WorldMap")->interiorOrigin()
            + QPoint(int(marker->left()) + 8, int(marker->top()) + 8);
        return shot.pixelColor(control<PictureBox>(map, "pic_WorldMap")->mapTo(map, centre));
    };
    QCOMPARE(map->controls().pic_Player->left(), 40.f);
    QCOMPARE(map->controls().pic_Player->top(), 280.f);
    QCOMPARE(colourAt(map->controls().pic_Player), QColor(Qt::white));
    for (int i = 0; i < 21; ++i) {
        if (i == 5)
            QVERIFY(colourAt(map->controls().pic_Enemy[i]) != map->controls().pic_Enemy[i]->backColor());
        else
            QCOMPARE(colourAt(map->controls().pic_Enemy[i]), map->controls().pic_Enemy[i]->backColor());
    }
}

QTEST_MAIN(tst_MapPlayMove)

#include "movement.moc"
