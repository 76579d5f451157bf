#include "testsupport.h"

#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/randomsource.h"
#include "system/sound.h"

#include <QTest>
#include <functional>
#include <optional>

// What the map sounds: the healing row, an enemy coming close, a point
// spent, and after each arrow key the cue of the nearest enemy, placed by
// its columns and pitched by its rows.
class tst_MapSounds : public QObject
{
    Q_OBJECT

private slots:
    void heard_data();
    void heard();
};

namespace {

// A map with the player on a square and, when `enemy` is given, only enemy
// 0 shown there (or hidden there); squares count from 1.
struct Scene
{
    QPoint player;
    std::optional<QPoint> enemy{};
    bool enemyShown = true;
    QString health = QStringLiteral("10");
    QString points = QStringLiteral("0");
    std::optional<bool> cue = false;
    bool soundOn = true;
};

using Act = std::function<void(frmMainGameWindow *)>;

float pixels(int square)
{
    return 8.0f + 16.0f * float(square - 1);
}

Act key(Qt::Key key)
{
    return [key](frmMainGameWindow *map) { QTest::keyClick(control<QWidget>(map, "pic_WorldMap"), key); };
}

// One enemy phase in which enemy 0 draws `direction` (and comes back if it
// was hidden) and every other stays.
Act phase(float direction)
{
    return [direction](frmMainGameWindow *map) {
        QList<float> draws{direction, 0.1f};
        for (int i = 1; i < 21; ++i)
            draws << 0.05f << 0.9f;
        RandomSource::script(draws);
        runEnemyPhase(map);
    };
}

constexpr float Stay = 0.05f;
constexpr float Left = 0.40f;

} // namespace

Q_DECLARE_METATYPE(Scene)
Q_DECLARE_METATYPE(Act)

void tst_MapSounds::heard_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<Act>("act");
    QTest::addColumn<QStringList>("heard");
    const QPoint far(20, 1);
    QTest::newRow("a step into the healing row")
        << Scene{{5, 21}, far} << key(Qt::Key_Down) << QStringList{"healing-row"};
    QTest::newRow("a step along the healing row") << Scene{{5, 22}, far} << key(Qt::Key_Right) << QStringList{};
    QTest::newRow("healing in the healing row")
        << Scene{{5, 22}, far, true, "3"} << phase(Stay) << QStringList{"healed"};
    QTest::newRow("nothing to heal") << Scene{{5, 22}, far} << phase(Stay) << QStringList{};
    QTest::newRow("an enemy comes beside you")
        << Scene{{5, 3}, QPoint(7, 3)} << phase(Left) << QStringList{"enemy-beside"};
    QTest::newRow("an enemy comes onto your square")
        << Scene{{5, 3}, QPoint(6, 3)} << phase(Left) << QStringList{"enemy-on-square"};
    QTest::newRow("an enemy stays beside you") << Scene{{5, 3}, QPoint(6, 3)} << phase(Stay) << QStringList{};
    QTest::newRow("a killed enemy comes back beside you")
        << Scene{{5, 3}, QPoint(6, 3), false} << phase(Stay) << QStringList{"enemy-beside"};
    QTest::newRow("a point spent") << Scene{{5, 22}, far, true, "10", "1"} << Act([](frmMainGameWindow *map) {
        control<QPushButton>(map, "cmd_ST_gain")->click();
    }) << QStringList{"point-spent"};

    // The cue: steps of place by the columns, of pitch by the rows (higher
    // for an enemy above); a sound of its own a step away.
    const Scene cue{.player = {11, 10}, .cue = true};
    QTest::newRow("cue: 2 left, 1 up") << Scene{cue.player, QPoint(10, 9), true, "10", "0", true} << key(Qt::Key_Right)
                                       << QStringList{"cue_l2_u1"};
    QTest::newRow("cue: far right, 5 down")
        << Scene{{3, 5}, QPoint(20, 10), true, "10", "0", true} << key(Qt::Key_Left) << QStringList{"cue_r4_d3"};
    QTest::newRow("cue: 3 up") << Scene{{10, 8}, QPoint(10, 4), true, "10", "0", true} << key(Qt::Key_Up)
                               << QStringList{"cue_c_u2"};
    QTest::newRow("cue: beside, left") << Scene{{10, 8}, QPoint(8, 8), true, "10", "0", true} << key(Qt::Key_Left)
                                       << QStringList{"beside_left"};
    QTest::newRow("cue: beside, below") << Scene{{10, 8}, QPoint(10, 10), true, "10", "0", true} << key(Qt::Key_Down)
                                        << QStringList{"beside_down"};
    QTest::newRow("cue: no enemy shown") << Scene{{10, 8}, QPoint(10, 10), false, "10", "0", true} << key(Qt::Key_Down)
                                         << QStringList{};
    QTest::newRow("cue: other keys") << Scene{{10, 8}, QPoint(10, 4), true, "10", "0", true} << key(Qt::Key_Space)
                                     << QStringList{};
    QTest::newRow("cue off") << Scene{{10, 8}, QPoint(10, 4)} << key(Qt::Key_Up) << QStringList{};
    QTest::newRow("cue with no choice and no reader")
        << Scene{{10, 8}, QPoint(10, 4), true, "10", "0", std::nullopt} << key(Qt::Key_Up) << QStringList{};
    QTest::newRow("sound off") << Scene{{5, 21}, QPoint(10, 4), true, "10", "0", true, false} << key(Qt::Key_Down)
                               << QStringList{};
}

void tst_MapSounds::heard()
{
    QFETCH(Scene, scene);
    QFETCH(Act, act);
    QFETCH(QStringList, heard);
    Sandbox sandbox;
    QStringList lines = Sandbox::defaultLines();
    lines[3] = "HPc=" + scene.health;
    lines[7] = "pts=" + scene.points;
    sandbox.writeCharacter(lines);
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();
    const MapControls &c = map->controls();
    for (PictureBox *enemy : c.pic_Enemy)
        enemy->hide();
    if (scene.enemy) {
        place(c.pic_Enemy[0], pixels(scene.enemy->x()), pixels(scene.enemy->y()));
        c.pic_Enemy[0]->setVisible(scene.enemyShown);
    }
    place(c.pic_Player, pixels(scene.player.x()), pixels(scene.player.y()));
    Sound::setCueChoice(scene.cue);
    Sound::setOn(scene.soundOn);
    sandbox.sounds.clear();
    act(map);
    QCOMPARE(sandbox.sounds, heard);
}

QTEST_MAIN(tst_MapSounds)
#include "sounds.moc"
