#include "battle/frmbattlecontrol.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "forms/gamefonts.h"
#include "resources/colourgroups.h"
#include "system/randomsource.h"
#include "testsupport.h"
#include "ui_frmBattleControl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

using Draws = QList<float>;

namespace {

// How a battle is set up. A caption left out stays the default character's.
struct Setup
{
    // The map's captions before the load.
    std::optional<QString> strength{};
    std::optional<QString> dexterity{};
    std::optional<QString> wisdom{};
    std::optional<QString> health{};
    std::optional<QString> maximumHealth{};
    std::optional<QString> magic{};
    // The enemy's index and the load's draw: an enemy of strength 50.
    QString index = QStringLiteral("1");
    float roll = 0.9f;
    // The strength they give, which the load must show.
    std::optional<QString> enemyStrength{};
    // The enemy's health after the load; DEAD also hides Attack and Blast,
    // as a kill does.
    std::optional<QString> enemyHealth{};
};

// The battle's captions a move leaves; one left out is not compared.
struct After
{
    std::optional<QString> enemyHealth{};
    std::optional<QString> health{};
    std::optional<QString> magic{};
};

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(After)

namespace {

// One battle opened as the game logic opens it: the enemy clock paused,
// the index in the map's lbl_EnemyTag, a fresh window.
struct Fight
{
    explicit Fight(const Setup &setup = {})
        : index(setup.index)
    {
        sandbox.writeCharacter(Sandbox::defaultLines());
        map = sandbox.openMap();
        modGameLogicCode::EnemiesPaused = true;
        const MapControls &c = map->controls();
        for (const auto &[caption, label] : {std::pair{setup.strength, c.lbl_ST_val},
                                             {setup.dexterity, c.lbl_DX_val},
                                             {setup.wisdom, c.lbl_WS_val},
                                             {setup.health, c.lbl_HP_val},
                                             {setup.maximumHealth, c.lbl_HP_max},
                                             {setup.magic, c.lbl_MP_val}}) {
            if (caption)
                label->setText(*caption);
        }
        c.lbl_EnemyTag->setText(index);
        RandomSource::script({setup.roll});
        battle.reset(new frmBattleControl(c));
        if (setup.enemyStrength && enemyHealth() != *setup.enemyStrength)
            QTest::qFail(
                qPrintable(
                    QStringLiteral("the enemy's strength is %1, not %2").arg(enemyHealth(), *setup.enemyStrength)),
                __FILE__, __LINE__);
        if (setup.enemyHealth)
            control<QLabel>(battle, "lbl_Enemy_HP_val")->setText(*setup.enemyHealth);
        if (enemyHealth() == Dead) {
            control<QPushButton>(battle, "cmd_Attack")->hide();
            control<QPushButton>(battle, "cmd_Blast")->hide();
        }
        RandomSource::clearScript();
        RandomSource::resetCounts();
        sandbox.messages.clear();
        sandbox.captions.clear();
    }

    // Presses the buttons named by their access keys, the draws scripted.
    void play(const QString &moves, const Draws &draws = {})
    {
        RandomSource::script(draws);
        RandomSource::resetCounts();
        const QHash<QChar, QPushButton *> buttons{{QLatin1Char('A'), control<QPushButton>(battle, "cmd_Attack")},
                                                  {QLatin1Char('B'), control<QPushButton>(battle, "cmd_Blast")},
                                                  {QLatin1Char('H'), control<QPushButton>(battle, "cmd_Heal")},
                                                  {QLatin1Char('R'), control<QPushButton>(battle, "cmd_Retreat")}};
        for (const QChar move : moves)
            buttons.value(move)->click();
    }

    QString status() const { return control<QLabel>(battle, "lbl_Status")->text(); }
    QString enemyHealth() const { return control<QLabel>(battle, "lbl_Enemy_HP_val")->text(); }

    Sandbox sandbox;
    BattlesExpected expected;
    frmMainGameWindow *map = nullptr;
    QString index;
    std::unique_ptr<frmBattleControl> battle;
};

// Every scripted draw was taken, and no more.
#define VERIFY_DRAWS(count)                                                                                            \
    do {                                                                                                               \
        QCOMPARE(RandomSource::draws(), int(count));                                                                   \
        QCOMPARE(RandomSource::overruns(), 0);                                                                         \
    } while (false)

} // namespace

class tst_frmBattleControl : public QObject
{
    Q_OBJECT

private slots:
    void strengthRoll_data();
    void strengthRoll();
    void bars_data();
    void bars();
    void enemyBarColour_data();
    void enemyBarColour();
    void loadState();
    void layout_data();
    void layout();
    void window();
    void screenshot();
    void moves_data();
    void moves();
    void sounds_data();
    void sounds();
    void reseedsSplitPlayerAndEnemy();
    void keys_data();
    void keys();
    void execEndsOnlyWithTheBattle();
    void setUpCalledOff_data();
    void setUpCalledOff();
};

// The load shows the strength the enemy and the draw give, after one
// re-seed and one draw (the whole table is the rules' test).
void tst_frmBattleControl::strengthRoll_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("strength");
    QTest::newRow("0, r = 0") << "0" << 0.0f << 48;
    QTest::newRow("0, largest r") << "0" << AlmostOne << 52;
    QTest::newRow("20, largest r") << "20" << AlmostOne << 12;
}

void tst_frmBattleControl::strengthRoll()
{
    QFETCH(QString, index);
    QFETCH(float, r);
    QFETCH(int, strength);
    Fight fight({.index = index, .roll = r});
    QCOMPARE(fight.enemyHealth(), QString::number(strength));
    fight.map->controls().lbl_EnemyTag->setText(index);
    RandomSource::script({r});
    RandomSource::resetCounts();
    frmBattleControl again(fight.map->controls());
    VERIFY_DRAWS(1);
    QCOMPARE(RandomSource::reseeds(), 1);
}

// The bars take the rules' widths in twips and are drawn a fifteenth as
// wide in pixels (the rules' test has the arithmetic).
void tst_frmBattleControl::bars_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<float>("player");
    QTest::addColumn<float>("enemy");
    QTest::newRow("10 against 50") << Setup{.strength = "10", .enemyStrength = "50"} << 760.0f << 3800.0f;
    QTest::newRow("single-precision width")
        << Setup{.strength = "0.1", .index = "20", .roll = 0.1f, .enemyStrength = "8"} << 56.2f << 4496.0f;
    QTest::newRow("Strength beyond the scale")
        << Setup{.strength = "1e6", .index = "20", .roll = 0.1f, .enemyStrength = "8"} << 0.0f << 0.0f;
}

void tst_frmBattleControl::bars()
{
    QFETCH(Setup, setup);
    QFETCH(float, player);
    QFETCH(float, enemy);
    Fight fight(setup);
    QCOMPARE(control<PictureBox>(fight.battle, "pic_Player")->widthTwips(), player);
    QCOMPARE(control<PictureBox>(fight.battle, "pic_Enemy")->widthTwips(), enemy);
    QCOMPARE(control<PictureBox>(fight.battle, "pic_Player")->size(), QSize(qRound(player / 15.0f), 16));
    QCOMPARE(control<PictureBox>(fight.battle, "pic_Enemy")->size(), QSize(qRound(enemy / 15.0f), 16));
}

// The enemy's bar takes the colour of the marker met on the map, never its picture.
void tst_frmBattleControl::enemyBarColour_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("repaint");
    QTest::addColumn<QColor>("colour");
    for (const int index : {1, 4, 6, 11, 13, 17, 20}) {
        const ColourGroups::Group &group = ColourGroups::All[std::size_t(index / 3)];
        QTest::addRow("%s %d", QByteArray(group.name).toLower().constData(), index)
            << index << QColor() << ColourGroups::colour(group.marker);
    }
    QTest::newRow("repainted marker 9") << 9 << QColor(1, 2, 3) << QColor(1, 2, 3);
}

void tst_frmBattleControl::enemyBarColour()
{
    QFETCH(int, index);
    QFETCH(QColor, repaint);
    QFETCH(QColor, colour);
    Fight fight;
    if (repaint.isValid())
        fight.map->controls().pic_Enemy[index]->setBackColor(repaint);
    QPixmap picture(16, 16);
    picture.fill(Qt::black);
    fight.map->controls().pic_Enemy[index]->setPicture(picture);
    fight.map->controls().lbl_EnemyTag->setText(QString::number(index));
    frmBattleControl battle(fight.map->controls());
    QCOMPARE(control<PictureBox>(&battle, "pic_Enemy")->backColor(), colour);
    QVERIFY(control<PictureBox>(&battle, "pic_Enemy")->picture().isNull());
    QCOMPARE(control<PictureBox>(&battle, "pic_Player")->backColor(), QColor(Qt::white));
}

// After the load, also after a kill: health and magic copied as text, the
// enemy's health a number, an empty status, the instructions, four buttons.
void tst_frmBattleControl::loadState()
{
    Fight fight(
        Setup{.health = "07", .magic = "3", .index = "10", .roll = 0.7f, .enemyStrength = "31", .enemyHealth = "1"});
    fight.play(QStringLiteral("AR"), {0.99f, 0.0f, 0.0f});
    QCOMPARE(fight.map->controls().lbl_EnemyTag->text(), fight.index);
    fight.battle.reset();
    RandomSource::script({0.7f});
    frmBattleControl battle(fight.map->controls());
    QCOMPARE(control<QLabel>(&battle, "lbl_HP_val")->text(), QStringLiteral("07"));
    QCOMPARE(control<QLabel>(&battle, "lbl_MP_val")->text(), QStringLiteral("3"));
    QCOMPARE(control<QLabel>(&battle, "lbl_Enemy_HP_val")->text(), QStringLiteral("31"));
    QCOMPARE(control<QLabel>(&battle, "lbl_Status")->text(), QString());
    QCOMPARE(control<QLabel>(&battle, "lbl_Instructions")->text(),
             QStringLiteral("INSTRUCTIONS: \r\n\r\nATTACK: Your Dexterity decides how often you will hit the enemy in "
                            "combat. If you do hit then your Strength determines how much damage you inflict.\r\n\r\n"
                            "BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in "
                            "damage.\r\n\r\nHEAL: Use your magic to heal any wounds. Your maximum healing power is "
                            "limited by your Wisdom.\r\n\r\nRETREAT: You run away before the enemy can attack again."));
    for (QPushButton *button : battle.findChildren<QPushButton *>())
        QVERIFY2(!button->isHidden(), qPrintable(button->objectName()));
}

// The design state of every control, in pixels (twips / 15), with the stand-in fonts.
void tst_frmBattleControl::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("border");
    const int left = Qt::AlignLeft | Qt::AlignTop;
    const int centre = Qt::AlignHCenter | Qt::AlignTop;
    const int box = Qt::AlignCenter;
    const auto row = [](const char *name, QRect geometry, const char *text, const char *tip, int size, bool bold,
                        int alignment, bool border) {
        QTest::newRow(name) << name << geometry << text << tip << size << bold << alignment << border;
    };
    row("cmd_Attack", {8, 24, 81, 33}, "&Attack", "Attack the enemy", 11, false, 0, false);
    row("cmd_Blast", {8, 64, 81, 33}, "&Blast", "Use Magic to blast the enemy", 11, false, 0, false);
    row("cmd_Heal", {8, 104, 81, 33}, "&Heal", "Use Magic to heal", 11, false, 0, false);
    row("cmd_Retreat", {8, 144, 81, 33}, "&Retreat", "Flee the battle", 11, false, 0, false);
    row("lbl_PlayerTitle", {128, 16, 97, 17}, "Chromara Warrior", "", 11, true, left, false);
    row("pic_Player", {128, 32, 304, 16}, "", "", 11, false, 0, true);
    row("pic_Enemy", {128, 56, 304, 16}, "", "", 11, false, 0, true);
    row("lbl_EnemyTitle", {128, 72, 81, 17}, "Enemy", "", 11, true, left, false);
    row("lbl_Player_Stats", {272, 88, 185, 25}, "Player Statistics", "", 16, true, centre, false);
    row("lbl_Enemy_HP", {104, 120, 169, 25}, "Enemy Health", "", 16, true, centre, false);
    row("lbl_HP_label", {296, 120, 65, 25}, "Health:", "", 16, false, left, false);
    row("lbl_HP_val", {360, 120, 65, 25}, "HP", "", 16, true, box, true);
    row("lbl_Enemy_HP_val", {152, 144, 65, 25}, "HP", "", 16, true, box, true);
    row("lbl_MP_Label", {296, 152, 65, 25}, "Magic:", "", 16, false, left, false);
    row("lbl_MP_val", {360, 152, 65, 25}, "MP", "", 16, true, box, true);
    row("lbl_Status", {8, 192, 473, 41}, "", "", 11, false, left, true);
    row("lbl_Instructions", {8, 248, 473, 137}, "Instructions:", "", 11, false, left, true);
}

void tst_frmBattleControl::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(int, alignment);
    QFETCH(bool, border);
    QDialog design;
    Ui::frmBattleControl form;
    form.setupUi(&design);
    GameFonts::adapt(&design);
    QCOMPARE(design.size(), QSize(491, 393));
    QCOMPARE(design.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), 17);

    auto *control = design.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(!control->isHidden());
    QCOMPARE(control->toolTip(), toolTip);
    QCOMPARE(control->font().pixelSize(), pixelSize);
    QCOMPARE(control->font().bold(), bold);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->autoDefault() && !button->isDefault());
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment()), alignment);
        QCOMPARE(label->frameShape() == QFrame::Box && label->frameShadow() == QFrame::Plain && label->lineWidth() == 1,
                 border);
    } else {
        auto *bar = qobject_cast<PictureBox *>(control);
        QVERIFY(bar);
        QCOMPARE(bar->sunkenBorder(), border);
        QCOMPARE(bar->backColor(), name == QLatin1String("pic_Player") ? QColor(Qt::white) : QColor(Qt::red));
        QVERIFY(bar->picture().isNull());
    }
}

// Caption, no close/minimize/maximize box, fixed size, modal, centred on the map.
void tst_frmBattleControl::window()
{
    Fight fight;
    frmBattleControl &battle = *fight.battle;
    QCOMPARE(battle.windowTitle(), QStringLiteral("Battle Control"));
    const Qt::WindowFlags flags = battle.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint && flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags
              & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint
                 | Qt::WindowContextHelpButtonHint)));
    QCOMPARE(battle.minimumSize(), QSize(491, 393));
    QCOMPARE(battle.maximumSize(), QSize(491, 393));
    QVERIFY(battle.isModal());
    QCOMPARE(battle.parentWidget(), fight.map);
    QVERIFY(!battle.windowIcon().isNull());

    fight.map->move(120, 60);
    fight.map->show();
    battle.show();
    QVERIFY(QTest::qWaitForWindowActive(&battle));
    const QPoint offset = battle.frameGeometry().center() - fight.map->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(&battle, "cmd_Attack"));
}

// The drawn window: bars at their widths and colours (that the texts fit
// is the translations' test, in every language). Saved when
// CHROMALAND_SCREENSHOTS names a folder.
void tst_frmBattleControl::screenshot()
{
    // Yellow enemy 13 rolls 24 against Strength 10: scale 134, bars 1340
    // and 3216 twips, 89 and 214 pixels.
    Fight fight(Setup{.strength = "10", .health = "7", .magic = "4", .index = "13", .roll = 0.5f});
    fight.battle->show();
    QVERIFY(QTest::qWaitForWindowExposed(fight.battle.get()));
    fight.play(QStringLiteral("A"), {0.65f, 0.05f, 0.65f, 0.05f, 0.07f, 0.1f});
    QCOMPARE(fight.status(), "You hit by +5 and inflict 7 damage.\r\nEnemy hits you by +2 and it inflicts 1 damage.");
    const QImage shot = fight.battle->grab().toImage();
    const QColor yellow = ColourGroups::colour(ColourGroups::All[4].marker);
    const QString folder = qEnvironmentVariable("CHROMALAND_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QVERIFY(shot.save(folder + QStringLiteral("/frmBattleControl.png")));
    }
    QCOMPARE(shot.pixelColor(128 + 80, 32 + 8), QColor(Qt::white));
    QVERIFY(shot.pixelColor(128 + 95, 32 + 8) != QColor(Qt::white));
    QCOMPARE(shot.pixelColor(128 + 100, 56 + 8), yellow);
    QCOMPARE(shot.pixelColor(128 + 205, 56 + 8), yellow);
    QVERIFY(shot.pixelColor(128 + 220, 56 + 8) != yellow);
}

// Each move with the enemy's answer: setup, buttons pressed, scripted draws,
// the status, the battle's captions after, re-seeds, and the ending: "" for
// none, "kill" (left after the kill), "Retreat" or "DEAD" (the player died).
void tst_frmBattleControl::moves_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QString>("status");
    QTest::addColumn<After>("after");
    QTest::addColumn<int>("reseeds");
    QTest::addColumn<QString>("ending");
    const QString enemyMisses = QStringLiteral("\r\nEnemy missed by -3"); // after draws 0.95, 0.11
    const QString fine = QStringLiteral("You don't need healing !\r\n");
    const QString unusable = QStringLiteral(" cannot be used in battle: nothing happened.");

    // Attack: P = floor(DX r1) + 1 against E = floor(strength r2) + 1 (single
    // precision); a hit draws r3 for floor(ST r3) + 1 damage.
    QTest::newRow("attack hits") << Setup{} << "A" << Draws{0.65f, 0.05f, 0.65f, 0.95f, 0.11f}
                                 << "You hit by +4 and inflict 7 damage." + enemyMisses
                                 << After{.enemyHealth = "43", .health = "10"} << 2 << "";
    QTest::newRow("attack tie misses") << Setup{} << "A" << Draws{0.25f, 0.05f, 0.95f, 0.11f}
                                       << "You miss by -0" + enemyMisses << After{.enemyHealth = "50"} << 2 << "";
    QTest::newRow("attack misses") << Setup{} << "A" << Draws{0.05f, 0.07f, 0.05f, 0.07f, 0.1f}
                                   << "You miss by -3\r\nEnemy hits you by +4 and it inflicts 2 damage."
                                   << After{.enemyHealth = "50", .health = "8"} << 2 << "";
    QTest::newRow("attack to exactly 0") << Setup{.enemyHealth = "7"} << "A" << Draws{0.65f, 0.05f, 0.65f}
                                         << "You hit by +4 and inflict 7 damage." << After{.enemyHealth = Dead} << 1
                                         << "";
    // 11 x r is 4.9999998 in double (roll 5) but 5 in single precision (roll 6).

    // The enemy's turn, after a heal that was not needed: A = floor(DX r1)
    // against E; A - E > 0 misses, else floor(strength r3 / 2) damage.
    QTest::newRow("enemy misses") << Setup{} << "H" << Draws{0.95f, 0.11f} << fine + "Enemy missed by -3"
                                  << After{.health = "10", .magic = "10"} << 1 << "";
    // 11 x r3 is 9.9999995 in double but 10 in single precision.
    QTest::newRow("death at 1 health") << Setup{.health = "1", .maximumHealth = "1"} << "H"
                                       << Draws{0.05f, 0.09f, 0.06f}
                                       << fine + "Enemy hits you by +5 and it inflicts 1 damage."
                                       << After{.health = "0", .magic = "10"} << 1 << "DEAD";
    QTest::newRow("death below 0") << Setup{.health = "1", .maximumHealth = "1"} << "H" << Draws{0.05f, 0.09f, 0.18f}
                                   << fine + "Enemy hits you by +5 and it inflicts 4 damage." << After{.health = "-3"}
                                   << 1 << "DEAD";

    // Blast: floor(WS r) + 1, capped by the enemy's health, then by the magic.
    QTest::newRow("blast") << Setup{} << "B" << Draws{0.45f, 0.95f, 0.11f}
                           << "You magically blast for 5 magic points." + enemyMisses
                           << After{.enemyHealth = "45", .magic = "5"} << 2 << "";
    QTest::newRow("blast capped by enemy health")
        << Setup{.enemyHealth = "3"} << "B" << Draws{0.65f} << "You magically blast for 3 magic points."
        << After{.enemyHealth = Dead, .magic = "7"} << 1 << "";
    QTest::newRow("blast capped by magic, then none")
        << Setup{.magic = "2"} << "BB" << Draws{0.45f, 0.95f, 0.11f} << "You have no magic available."
        << After{.enemyHealth = "48", .magic = "0"} << 2 << "";
    QTest::newRow("blast with magic below 1")
        << Setup{.magic = "0.5"} << "B" << Draws{} << "You have no magic available."
        << After{.enemyHealth = "50", .magic = "0.5"} << 0 << "";

    // Heal: the smallest of the missing health, the magic and Wisdom.
    QTest::newRow("heal capped by missing health")
        << Setup{.health = "5"} << "H" << Draws{0.95f, 0.11f} << "You heal for 5 magic points." + enemyMisses
        << After{.health = "10", .magic = "5"} << 1 << "";
    QTest::newRow("heal counts the health of the battle")
        << Setup{} << "HH" << Draws{0.55f, 0.09f, 0.1f, 0.95f, 0.11f} << "You heal for 2 magic points." + enemyMisses
        << After{.health = "10", .magic = "8"} << 2 << "";
    QTest::newRow("heal above maximum") << Setup{.health = "12"} << "H" << Draws{0.95f, 0.11f}
                                        << fine + "Enemy missed by -3" << After{.health = "12", .magic = "10"} << 1
                                        << "";
    QTest::newRow("heal without magic") << Setup{.health = "5", .magic = "0"} << "H" << Draws{}
                                        << "You have no magic available." << After{.health = "5", .magic = "0"} << 0
                                        << "";
    QTest::newRow("heal after the kill") << Setup{.health = "5", .enemyHealth = Dead} << "HA" << Draws{}
                                         << "You heal for 5 magic points." << After{.health = "10", .magic = "5"} << 0
                                         << "";

    // Endings hand health and magic back to the map.
    QTest::newRow("retreat") << Setup{.health = "6"} << "R" << Draws{} << ""
                             << After{.enemyHealth = "50", .health = "6", .magic = "10"} << 0 << "Retreat";
    QTest::newRow("retreat after blast and heal")
        << Setup{.health = "6"} << "BHR" << Draws{0.45f, 0.95f, 0.11f, 0.95f, 0.11f}
        << "You heal for 4 magic points." + enemyMisses << After{.health = "10", .magic = "1"} << 3 << "Retreat";
    QTest::newRow("retreat after the kill")
        << Setup{.health = "6", .enemyHealth = "2"} << "BHR" << Draws{0.45f} << "You heal for 4 magic points."
        << After{.enemyHealth = Dead, .health = "10", .magic = "4"} << 1 << "kill";
    QTest::newRow("nothing after death")
        << Setup{.health = "1", .maximumHealth = "1"} << "BABHR" << Draws{0.45f, 0.05f, 0.09f, 0.06f}
        << "You magically blast for 5 magic points.\r\nEnemy hits you by +5 and it inflicts 1 damage."
        << After{.health = "0", .magic = "5"} << 2 << "DEAD";

    // A statistic a move cannot use undoes the move, enemy's turn included.
    QTest::newRow("Dexterity 1e9, attack")
        << Setup{.dexterity = "1e9"} << "A" << Draws{0.5f, 0.5f} << "Your Dexterity (1e9)" + unusable
        << After{.enemyHealth = "50"} << 1 << "";
    QTest::newRow("Dexterity 1e9, heal") << Setup{.dexterity = "1e9", .health = "5"} << "H" << Draws{0.5f, 0.5f}
                                         << "Your Dexterity (1e9)" + unusable << After{.health = "5", .magic = "10"}
                                         << 1 << "";
    QTest::newRow("Dexterity -32768, margin")
        << Setup{.dexterity = "-32768"} << "A" << Draws{0.9999f, 0.99f} << "Your Dexterity (-32768)" + unusable
        << After{.enemyHealth = "50"} << 1 << "";
    QTest::newRow("Dexterity abc, blast")
        << Setup{.dexterity = "abc"} << "B" << Draws{0.45f, 0.5f, 0.5f} << "Your Dexterity (abc)" + unusable
        << After{.enemyHealth = "50", .magic = "10"} << 2 << "";
    QTest::newRow("Strength 1e9, hit") << Setup{.strength = "1e9"} << "A" << Draws{0.65f, 0.05f, 0.5f}
                                       << "Your Strength (1e9)" + unusable << After{.enemyHealth = "50"} << 1 << "";
    QTest::newRow("Wisdom abc, blast") << Setup{.wisdom = "abc", .enemyHealth = "3"} << "B" << Draws{0.5f}
                                       << "Your Wisdom (abc)" + unusable << After{.enemyHealth = "3", .magic = "10"}
                                       << 1 << "";
    QTest::newRow("Wisdom abc, heal") << Setup{.wisdom = "abc", .health = "5"} << "H" << Draws{}
                                      << "Your Wisdom (abc)" + unusable << After{.health = "5"} << 0 << "";
    QTest::newRow("maximum health x") << Setup{.maximumHealth = "x"} << "H" << Draws{}
                                      << "Your maximum Health (x)" + unusable << After{.health = "10"} << 0 << "";
    QTest::newRow("health -1e9, heal") << Setup{.health = "-1e9"} << "H" << Draws{}
                                       << "Your Health (-1e9 of 10)" + unusable << After{.health = "-1e9"} << 0 << "";
    QTest::newRow("health abc, enemy hits")
        << Setup{.health = "abc", .magic = "0"} << "A" << Draws{0.05f, 0.5f, 0.05f, 0.5f, 0.5f}
        << "Your Health (abc)" + unusable << After{.enemyHealth = "50", .health = "abc"} << 2 << "";
    QTest::newRow("magic abc, then retreat")
        << Setup{.magic = "abc"} << "BR" << Draws{} << "Your Magic (abc)" + unusable << After{.magic = "abc"} << 0
        << "Retreat";
}

void tst_frmBattleControl::moves()
{
    QFETCH(Setup, setup);
    QFETCH(QString, moves);
    QFETCH(Draws, draws);
    QFETCH(QString, status);
    QFETCH(After, after);
    QFETCH(int, reseeds);
    QFETCH(QString, ending);
    Fight fight(setup);
    fight.battle->show();
    const QString mapHealth = fight.map->controls().lbl_HP_val->text();
    const QString mapMagic = fight.map->controls().lbl_MP_val->text();
    QStringList atTheBox;
    fight.sandbox.onMessage = [&](const QString &) {
        atTheBox << fight.map->controls().lbl_EnemyTag->text() << QString::number(fight.battle->isVisible())
                 << fight.map->controls().lbl_HP_val->text();
    };
    fight.play(moves, draws);

    QCOMPARE(fight.status(), status);
    for (const auto &[expected, name] : {std::pair{after.enemyHealth, "lbl_Enemy_HP_val"},
                                         {after.health, "lbl_HP_val"},
                                         {after.magic, "lbl_MP_val"}}) {
        if (expected)
            QCOMPARE(control<QLabel>(fight.battle, name)->text(), *expected);
    }
    QCOMPARE(control<QPushButton>(fight.battle, "cmd_Attack")->isHidden(), fight.enemyHealth() == Dead);
    QCOMPARE(control<QPushButton>(fight.battle, "cmd_Blast")->isHidden(), fight.enemyHealth() == Dead);
    QVERIFY(!control<QPushButton>(fight.battle, "cmd_Heal")->isHidden()
            && !control<QPushButton>(fight.battle, "cmd_Retreat")->isHidden());
    VERIFY_DRAWS(draws.size());
    QCOMPARE(RandomSource::reseeds(), reseeds);

    const bool ended = !ending.isEmpty();
    QCOMPARE(fight.map->controls().lbl_EnemyTag->text(),
             ending == QLatin1String("DEAD") || ending == QLatin1String("Retreat") ? ending : fight.index);
    QCOMPARE(fight.battle->isVisible(), !ended);
    QCOMPARE(fight.map->controls().lbl_HP_val->text(),
             ended ? control<QLabel>(fight.battle, "lbl_HP_val")->text() : mapHealth);
    QCOMPARE(fight.map->controls().lbl_MP_val->text(),
             ended ? control<QLabel>(fight.battle, "lbl_MP_val")->text() : mapMagic);
    if (ending == QLatin1String("DEAD")) {
        QCOMPARE(fight.sandbox.messages, QStringList{QStringLiteral("You have died.")});
        QCOMPARE(fight.sandbox.captions, QStringList{QStringLiteral("Chromaland")});
        // The result is in place before the box, the window still open under it.
        // Health and magic reach the map only after the box.
        QCOMPARE(atTheBox, (QStringList{Dead, QStringLiteral("1"), mapHealth}));
    } else {
        QVERIFY(fight.sandbox.messages.isEmpty());
    }
}

// Each line of a turn is heard in its order, once the turn stands; a
// move that changes nothing, or is refused, is not heard (the draws are
// the moves table's).
void tst_frmBattleControl::sounds_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("hit, enemy misses") << Setup{} << "A" << Draws{0.65f, 0.05f, 0.65f, 0.95f, 0.11f}
                                       << QStringList{"your-hit", "enemy-miss"};
    QTest::newRow("miss, enemy hits") << Setup{} << "A" << Draws{0.05f, 0.07f, 0.05f, 0.07f, 0.1f}
                                      << QStringList{"your-miss", "enemy-hit"};
    QTest::newRow("hit that wins") << Setup{.enemyHealth = "7"} << "A" << Draws{0.65f, 0.05f, 0.65f}
                                   << QStringList{"your-hit", "win"};
    QTest::newRow("blast") << Setup{} << "B" << Draws{0.45f, 0.95f, 0.11f} << QStringList{"blast", "enemy-miss"};
    QTest::newRow("blast that wins") << Setup{.enemyHealth = "3"} << "B" << Draws{0.65f} << QStringList{"blast", "win"};
    QTest::newRow("heal") << Setup{.health = "5"} << "H" << Draws{0.95f, 0.11f} << QStringList{"heal", "enemy-miss"};
    QTest::newRow("heal not needed") << Setup{} << "H" << Draws{0.95f, 0.11f} << QStringList{"enemy-miss"};
    QTest::newRow("no magic") << Setup{.magic = "0.5"} << "B" << Draws{} << QStringList{};
    QTest::newRow("death") << Setup{.health = "1", .maximumHealth = "1"} << "H" << Draws{0.05f, 0.09f, 0.06f}
                           << QStringList{"enemy-hit", "death"};
    QTest::newRow("refused move") << Setup{.dexterity = "x"} << "A" << Draws{} << QStringList{};
    QTest::newRow("hit, then the enemy's turn refused")
        << Setup{.health = "x"} << "A" << Draws{0.65f, 0.05f, 0.65f} << QStringList{};
}

void tst_frmBattleControl::sounds()
{
    QFETCH(Setup, setup);
    QFETCH(QString, moves);
    QFETCH(Draws, draws);
    QFETCH(QStringList, heard);
    Fight fight(setup);
    fight.sandbox.sounds.clear();
    fight.play(moves, draws);
    QCOMPARE(fight.sandbox.sounds, heard);
}

// With the clock fixed every re-seed restarts the same sequence: an Attack
// and the enemy's answer both start from it, so with Dexterity equal to the
// enemy's strength the enemy's margin is the player's less the + 1.
void tst_frmBattleControl::reseedsSplitPlayerAndEnemy()
{
    Fight fight(Setup{.dexterity = "50", .enemyHealth = "1000"});
    RandomSource::randomize();
    RandomSource::next(); // the generator is mid-sequence before the Attack
    fight.play(QStringLiteral("A"));
    const QStringList lines = fight.status().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    const auto margin = [](const QString &line) {
        const int sign = line.contains(QLatin1String("miss")) == line.startsWith(QLatin1String("You")) ? -1 : 1;
        const QString size = line.section(QRegularExpression(QStringLiteral("[+-]")), 1);
        return sign * size.section(QLatin1Char(' '), 0, 0).toInt();
    };
    QCOMPARE(margin(lines[1]), margin(lines[0]) - 1);
    QCOMPARE(RandomSource::reseeds(), 2);
}

// Keys and close requests: only the access keys act. The input is a list
// of keys (Escape, Return, Enter, KeypadEnter, Alt+letter), focus=button,
// close (a close request), wmclose (the window system's) and mapclose.
void tst_frmBattleControl::keys_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<QString>("status");
    const QString enemyMisses = QStringLiteral("\r\nEnemy missed by -3");
    QTest::newRow("Escape") << Setup{} << "Escape" << Draws{} << "";
    QTest::newRow("close request") << Setup{} << "close" << Draws{} << "";
    QTest::newRow("window system close") << Setup{} << "wmclose" << Draws{} << "";
    QTest::newRow("map window closed") << Setup{} << "mapclose" << Draws{} << "";
    QTest::newRow("Enter on Attack") << Setup{} << "Return Enter KeypadEnter" << Draws{} << "";
    QTest::newRow("Enter on Heal") << Setup{} << "focus=cmd_Heal Return Enter KeypadEnter" << Draws{} << "";
    QTest::newRow("Enter on Retreat") << Setup{} << "focus=cmd_Retreat Return Enter KeypadEnter" << Draws{} << "";
    QTest::newRow("Alt+A") << Setup{} << "Alt+A" << Draws{0.25f, 0.05f, 0.95f, 0.11f} << "You miss by -0" + enemyMisses;
    QTest::newRow("Alt+B") << Setup{} << "Alt+B" << Draws{0.45f, 0.95f, 0.11f}
                           << "You magically blast for 5 magic points." + enemyMisses;
    QTest::newRow("Alt+H") << Setup{} << "Alt+H" << Draws{0.95f, 0.11f} << "You don't need healing !" + enemyMisses;
    QTest::newRow("Alt+A and Alt+B after the kill") << Setup{.enemyHealth = Dead} << "Alt+A Alt+B" << Draws{} << "";
    QTest::newRow("Alt+R") << Setup{} << "Alt+R" << Draws{} << "";
}

void tst_frmBattleControl::keys()
{
    QFETCH(Setup, setup);
    QFETCH(QString, input);
    QFETCH(Draws, draws);
    QFETCH(QString, status);
    Fight fight(setup);
    fight.map->show();
    frmBattleControl *battle = fight.battle.get();
    battle->show();
    QVERIFY(QTest::qWaitForWindowActive(battle));
    RandomSource::script(draws);
    const QHash<QString, Qt::Key> keys{{QStringLiteral("Escape"), Qt::Key_Escape},
                                       {QStringLiteral("Return"), Qt::Key_Return},
                                       {QStringLiteral("Enter"), Qt::Key_Enter}};
    for (const QString &step : input.split(QLatin1Char(' '))) {
        if (step.startsWith(QLatin1String("focus=")))
            battle->findChild<QPushButton *>(step.mid(6))->setFocus();
        else if (step.startsWith(QLatin1String("Alt+")))
            QTest::keyClick(battle, Qt::Key(Qt::Key_A + step.at(4).unicode() - 'A'), Qt::AltModifier);
        else if (step == QLatin1String("KeypadEnter"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        else if (keys.contains(step))
            QTest::keyClick(QApplication::focusWidget(), keys.value(step));
        else if (step == QLatin1String("close"))
            QVERIFY(!battle->close());
        else if (step == QLatin1String("wmclose"))
            battle->windowHandle()->close();
        else if (step == QLatin1String("mapclose"))
            QVERIFY(!fight.map->close());
    }
    // An access key animates its click: the button is down until it clicks.
    const auto buttonDown = [battle] {
        const QList<QPushButton *> buttons = battle->findChildren<QPushButton *>();
        return std::any_of(buttons.cbegin(), buttons.cend(), [](const QPushButton *b) { return b->isDown(); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(!buttonDown(), 2000);
    QCOMPARE(fight.status(), status);
    VERIFY_DRAWS(draws.size());
    const bool retreated = input == QLatin1String("Alt+R");
    QCOMPARE(battle->isVisible(), !retreated);
    QCOMPARE(fight.map->controls().lbl_EnemyTag->text(), retreated ? QStringLiteral("Retreat") : fight.index);
    QVERIFY(fight.map->isVisible());
    QVERIFY(fight.sandbox.ends.isEmpty());
}

// exec() returns when Retreat or death hides the window, not on Escape; the
// map window closes again once the battle is over.
void tst_frmBattleControl::execEndsOnlyWithTheBattle()
{
    for (const Draws &draws : {Draws{}, Draws{0.05f, 0.09f, 0.06f}}) {
        Fight fight(Setup{.health = "1", .maximumHealth = "1"});
        bool escapeIgnored = false;
        QTimer::singleShot(0, fight.battle.get(), [&] {
            QTest::keyClick(fight.battle.get(), Qt::Key_Escape);
            escapeIgnored = fight.battle->isVisible();
            fight.play(draws.isEmpty() ? QStringLiteral("R") : QStringLiteral("H"), draws);
        });
        QTimer::singleShot(5000, fight.battle.get(), [&] { fight.battle->done(0); });
        QElapsedTimer clock;
        clock.start();
        fight.battle->exec();
        QVERIFY(clock.elapsed() < 4000);
        QVERIFY(escapeIgnored);
        QCOMPARE(fight.map->controls().lbl_EnemyTag->text(), draws.isEmpty() ? QStringLiteral("Retreat") : Dead);
        const QStringList heard =
            draws.isEmpty() ? QStringList{"battle-opens"} : QStringList{"battle-opens", "enemy-hit", "death"};
        QCOMPARE(fight.sandbox.sounds, heard);
        QVERIFY(fight.sandbox.endsProgram([&] { fight.map->close(); }));
    }
}

// A battle that cannot be set up is called off at once as a retreat, with
// a message, the map's health and magic unchanged.
void tst_frmBattleControl::setUpCalledOff_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Strength abc") << Setup{.strength = "abc"} << "Strength (abc)";
    QTest::newRow("Strength -60") << Setup{.strength = "-60"} << "Strength (-60)";
    QTest::newRow("Strength -1") << Setup{.strength = "-1"} << "Strength (-1)";
    QTest::newRow("Strength beyond double") << Setup{.strength = "1e999"} << "Strength (1e999)";
    QTest::newRow("Strength empty") << Setup{.strength = ""} << "Strength ()";
    QTest::newRow("design caption") << Setup{.index = "Enemy"} << "\"Enemy\"";
    QTest::newRow("index 21") << Setup{.index = "21"} << "\"21\"";
    QTest::newRow("index -1") << Setup{.index = "-1"} << "\"-1\"";
    QTest::newRow("index 1e9") << Setup{.index = "1e9"} << "\"1e9\"";
}

void tst_frmBattleControl::setUpCalledOff()
{
    QFETCH(Setup, setup);
    QFETCH(QString, shown);
    setup.health = QStringLiteral("4");
    Fight fight(setup);
    frmBattleControl *battle = fight.battle.get();
    fight.map->controls().lbl_EnemyTag->setText(fight.index);
    RandomSource::resetCounts();
    frmBattleControl again(fight.map->controls());
    QCOMPARE(RandomSource::draws(), setup.strength ? 1 : 0);
    QCOMPARE(fight.sandbox.messages.size(), 1);
    QVERIFY2(fight.sandbox.messages[0].contains(shown), qPrintable(fight.sandbox.messages[0]));
    QCOMPARE(fight.map->controls().lbl_EnemyTag->text(), QStringLiteral("Retreat"));
    QCOMPARE(fight.map->controls().lbl_HP_val->text(), QStringLiteral("4"));
    QCOMPARE(fight.map->controls().lbl_MP_val->text(), QStringLiteral("10"));
    QTimer::singleShot(2000, battle, [&] { battle->done(0); });
    QElapsedTimer clock;
    clock.start();
    battle->exec();
    QVERIFY(clock.elapsed() < 1000);
    battle->show();
    QVERIFY(battle->isHidden());
    control<QPushButton>(battle, "cmd_Attack")->click();
    QCOMPARE(control<QLabel>(battle, "lbl_Status")->text(), QString());
}

QTEST_MAIN(tst_frmBattleControl)
#include "tst_frmbattlecontrol.moc"
