#include "testsupport.h"
#include "system/clock.h"

#include "logic/fallenhistory.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/beep.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace modGameLogicCode;

// Meeting enemies on the map and what a battle's end does there.
class tst_Encounters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onlyShownEnemiesOnThePlayersSquareAreFought_data();
    void onlyShownEnemiesOnThePlayersSquareAreFought();
    void everyEnemyOnTheSquareIsFoughtInIndexOrder();
    void retreatChangesNothing();
    void winHidesTheEnemyAndGrowsItsBar_data();
    void winHidesTheEnemyAndGrowsItsBar();
    void deathArchivesTheCharacterAndEnds_data();
    void deathArchivesTheCharacterAndEnds();
    void archiveNameHasTwoDigitsEach_data();
    void archiveNameHasTwoDigitsEach();
    void archiveNeverReplacesAnExistingFile_data();
    void archiveNeverReplacesAnExistingFile();

private:
    QString m_startFolder;
};

// Where a dead character's archive goes, in the sandbox: the working folder
// in the build tree, the data folder itself (the sandbox) in an installed build.
#ifdef CHROMALAND_INSTALLED
static const QString archiveFolder;
#else
static const QString archiveFolder = QStringLiteral("cwd/");
#endif

// The enemy is beaten: the index stays in the tag.
static void win(const MapControls &)
{
}

void tst_Encounters::init()
{
    m_startFolder = QDir::currentPath();
}

void tst_Encounters::cleanup()
{
    QDir::setCurrent(m_startFolder);
}

void tst_Encounters::onlyShownEnemiesOnThePlayersSquareAreFought_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("enemyShown");
    QTest::addColumn<QStringList>("battles");
    QTest::newRow("on enemy 5") << 88.0f << 88.0f << true << QStringList{"5"};
    QTest::newRow("on hidden enemy 5") << 88.0f << 88.0f << false << QStringList{};
    QTest::newRow("beside enemy 5") << 104.0f << 88.0f << true << QStringList{};
    QTest::newRow("on enemy 0") << 8.0f << 8.0f << true << QStringList{"0"};
    QTest::newRow("on enemy 20") << 328.0f << 328.0f << true << QStringList{"20"};
    QTest::newRow("healing row") << 8.0f << 344.0f << true << QStringList{};
}

void tst_Encounters::onlyShownEnemiesOnThePlayersSquareAreFought()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(bool, enemyShown);
    QFETCH(QStringList, battles);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = box.openMap();
    map->controls().pic_Enemy[5]->setVisible(enemyShown);
    place(map->controls().pic_Player, left, top);
    BattleScript script(map);
    QCOMPARE(CheckEncounter(map->controls()), Outcome::carryOn());
    QCOMPARE(script.tags, battles);
    QVERIFY(script.pausedDuringBattle);
    QVERIFY(!EnemiesPaused);
}

// Two shown enemies on one square: both fought, the lower index first.
void tst_Encounters::everyEnemyOnTheSquareIsFoughtInIndexOrder()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = box.openMap();
    map->controls().pic_Enemy[9]->setLeft(56.0f);
    map->controls().pic_Enemy[9]->setTop(56.0f);
    place(map->controls().pic_Player, 56.0f, 56.0f);
    BattleScript script(map, win);
    QCOMPARE(CheckEncounter(map->controls()), Outcome::carryOn());
    QCOMPARE(script.tags, (QStringList{"3", "9"}));
    QVERIFY(!map->controls().pic_Enemy[3]->shown());
    QVERIFY(!map->controls().pic_Enemy[9]->shown());
    QCOMPARE(control<PictureBox>(map, "pic_Indigo")->widthTwips(), 300.0f);
    QCOMPARE(control<PictureBox>(map, "pic_Green")->widthTwips(), 300.0f);
}

// A retreat leaves the enemy, the bars, the points and the buttons alone;
// the next check on the same square fights it again.
void tst_Encounters::retreatChangesNothing()
{
    Sandbox box;
    QStringList lines = Sandbox::defaultLines();
    lines[7] = "pts=0";
    box.writeCharacter(lines);
    frmMainGameWindow *map = box.openMap();
    place(map->controls().pic_Player, 120.0f, 120.0f);
    // Were the buttons refreshed, this stray state would be corrected.
    control<QPushButton>(map, "cmd_ST_gain")->show();
    BattleScript script(map);
    QCOMPARE(CheckEncounter(map->controls()), Outcome::carryOn());
    QCOMPARE(script.tags, QStringList{"7"});
    QCOMPARE(map->controls().lbl_EnemyTag->text(), QString("Retreat"));
    QVERIFY(map->controls().pic_Enemy[7]->shown());
    QCOMPARE(control<PictureBox>(map, "pic_Blue")->widthTwips(), 150.0f);
    QVERIFY(!control<QPushButton>(map, "cmd_ST_gain")->isHidden());
    QCOMPARE(CheckEncounter(map->controls()), Outcome::carryOn());
    QCOMPARE(script.tags, (QStringList{"7", "7"}));
}

// A win hides the enemy and adds a level to its colour's bar; past level 18
// the bar beeps, wraps to level 1 and awards the colour's points.
void tst_Encounters::winHidesTheEnemyAndGrowsItsBar_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("barLine");
    QTest::addColumn<QString>("points");
    QTest::addColumn<float>("widthAfter");
    QTest::addColumn<QString>("pointsAfter");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<bool>("buttons");
    const auto row = [](const char *name, int index, const char *barLine, const char *points, float widthAfter,
                        const char *pointsAfter, int beeps, bool buttons) {
        QTest::newRow(name) << index << barLine << points << widthAfter << pointsAfter << beeps << buttons;
    };
    row("blue 17 to 18", 7, "B=17", "0", 2700.0f, "0", 0, false);
    row("blue 18 wraps", 7, "B=18", "0", 150.0f, "20", 1, true);
    row("violet wraps", 0, "V=18", "3", 150.0f, "33", 1, true);
    row("indigo wraps", 5, "I=18", "0", 150.0f, "25", 1, true);
    row("green wraps", 10, "G=18", "0", 150.0f, "16", 1, true);
    row("yellow wraps", 12, "Y=18", "0", 150.0f, "12", 1, true);
    row("orange wraps", 17, "O=18", "0", 150.0f, "8", 1, true);
    row("red wraps from 0 points", 20, "R=18", "0", 150.0f, "4", 1, true);
    row("red level 1 to 2", 19, "R=1", "2", 300.0f, "2", 0, true);
    row("over-full bar wraps", 18, "R=40", "0", 150.0f, "4", 1, true);
}

void tst_Encounters::winHidesTheEnemyAndGrowsItsBar()
{
    QFETCH(int, index);
    QFETCH(QString, barLine);
    QFETCH(QString, points);
    QFETCH(float, widthAfter);
    QFETCH(QString, pointsAfter);
    QFETCH(int, beeps);
    QFETCH(bool, buttons);
    Sandbox box;
    QStringList lines = Sandbox::defaultLines();
    const int group = index / 3;
    lines[8 + group] = barLine;
    lines[7] = "pts=" + points;
    box.writeCharacter(lines);
    frmMainGameWindow *map = box.openMap();
    const float enemyAt = 8.0f + 16.0f * index;
    place(map->controls().pic_Player, enemyAt, enemyAt);
    BattleScript script(map, win);
    QCOMPARE(CheckEncounter(map->controls()), Outcome::carryOn());
    QCOMPARE(script.tags, QStringList{QString::number(index)});
    QVERIFY(!map->controls().pic_Enemy[index]->shown());
    QCOMPARE(map->controls().pic_Enemy[index]->left(), enemyAt);
    QCOMPARE(map->controls().skillBars[group]->widthTwips(), widthAfter);
    QCOMPARE(map->controls().lbl_Points_val->text(), pointsAfter);
    QCOMPARE(Beep::count(), beeps);
    QCOMPARE(box.sounds, beeps ? QStringList{"skill-wrap"} : QStringList{});
    QCOMPARE(!control<QPushButton>(map, "cmd_MP_gain")->isHidden(), buttons);
    for (int other = 0; other < 7; ++other)
        if (other != group)
            QCOMPARE(map->controls().skillBars[other]->widthTwips(), 150.0f);
}

// The history of the fallen before a death, and what must stand in it after.
void tst_Encounters::deathArchivesTheCharacterAndEnds_data()
{
    QTest::addColumn<QByteArray>("before"); // "folder": a folder in its place
    QTest::addColumn<int>("records"); // readable records after the death
    QTest::addColumn<int>("skipped");
    const QByteArray earlier = FallenHistory::header()
        + "2026-01-02T03:04:05+01:00\tDead_03.04.05_02.01.2026."
          "txt\t10\t10\t10\t10\t10\t0\t1\t1\t1\t1\t1\t1\t1\t0\tred\t3\t\n";
    QTest::newRow("first death") << QByteArray() << 1 << 0;
    QTest::newRow("earlier lines kept, damaged ones too") << earlier + "not a record\nhalf a li" << 2 << 2;
    QTest::newRow("a folder in its place") << QByteArray("folder") << 0 << 0;
}

// A death saves the character, moves the file to its archive name in the
// working folder and ends the program: no enemy hidden, no bar grown, no
// further battle. Then, and only then, the character's record is added to
// the history, every earlier byte of it kept; where it cannot be, the
// death is as it always was, without a word.
void tst_Encounters::deathArchivesTheCharacterAndEnds()
{
    QFETCH(QByteArray, before);
    QFETCH(int, records);
    QFETCH(int, skipped);
    Sandbox box;
    QStringList lines = Sandbox::defaultLines();
    lines[0] = "ST=13";
    lines[2] = "WS=11";
    lines[3] = "HPc=1";
    lines[4] = "HPm=14";
    lines[7] = "pts=5";
    lines[8] = "V=4";
    lines[12] = "Y=6";
    box.writeCharacter(lines);
    if (before == "folder")
        QVERIFY(QDir(box.folder()).mkdir("Fallen.tsv"));
    else if (!before.isEmpty())
        box.write("Fallen.tsv", before);
    QVERIFY(QDir(box.folder()).mkdir("cwd"));
    QDir::setCurrent(box.path("cwd"));
    frmMainGameWindow *map = box.openMap();
    map->controls().pic_Enemy[4]->setLeft(40.0f);
    map->controls().pic_Enemy[4]->setTop(40.0f);
    place(map->controls().pic_Player, 40.0f, 40.0f);
    BattleScript script(map, [](const MapControls &controls) {
        controls.lbl_HP_val->setText("-4");
        controls.lbl_EnemyTag->setText("DEAD");
    });
    script.end = {57, "You miss by -3\r\nEnemy hits you by +6 and it inflicts 5 damage."};
    QCOMPARE(CheckEncounter(map->controls()), Outcome::end(0));
    QCOMPARE(script.tags, QStringList{"2"});
    QVERIFY(box.messages.isEmpty());
    QVERIFY(!box.exists("Character.chx"));
    const QByteArray archive = box.read(archiveFolder + "Dead_23.55.11_06.12.2026.txt");
    lines[3] = "HPc=-4";
    QVERIFY(archive.startsWith(lines.join("\r\n").toLatin1() + "\r\nSaved: "));
    const QList<QByteArray> saved = archive.split('\n');
    QCOMPARE(saved.size(), 17);
    QVERIFY(saved[15].startsWith("Saved: "));
    QVERIFY(map->controls().pic_Enemy[2]->shown());
    QCOMPARE(control<PictureBox>(map, "pic_Violet")->widthTwips(), 600.0f);

    if (before == "folder") {
        QVERIFY(QFileInfo(box.path("Fallen.tsv")).isDir());
        QVERIFY(QDir(box.path("Fallen.tsv")).isEmpty());
        return;
    }
    const QByteArray after = box.read("Fallen.tsv");
    if (!before.isEmpty())
        QVERIFY(after.startsWith(before + '\n'));
    else
        QVERIFY(after.startsWith(FallenHistory::header()));
    QCOMPARE(after.count('\n'), (before.isEmpty() ? 1 : before.count('\n') + 1) + 1);
    const FallenHistory::Contents contents = FallenHistory::parse(after);
    QCOMPARE(contents.records.size(), records);
    QCOMPARE(contents.skipped, skipped);
    const FallenHistory::Record &fallen = contents.records.last();
    QCOMPARE(fallen.died, Sandbox::FixedMoment);
    QCOMPARE(fallen.died.offsetFromUtc(), Sandbox::FixedMoment.offsetFromUtc());
    QCOMPARE(fallen.archive, QStringLiteral("Dead_23.55.11_06.12.2026.txt"));
    QCOMPARE(fallen.statistics, (std::array<QString, 5>{"13", "10", "11", "14", "10"}));
    QCOMPARE(fallen.points, QStringLiteral("5"));
    QCOMPARE(fallen.levels, (std::array<QString, 7>{"4", "1", "1", "1", "6", "1", "1"}));
    // Three rises of Strength, one of Wisdom, four of Health, and the five
    // points still to spend.
    QCOMPARE(fallen.earned, std::optional<double>(13));
    QCOMPARE(fallen.killer, int(GameRules::Violet));
    QCOMPARE(fallen.strength, 57);
    QCOMPARE(fallen.lastLines, (QStringList{"You miss by -3", "Enemy hits you by +6 and it inflicts 5 damage."}));
    QCOMPARE(fallen.highestSkill(), int(GameRules::Yellow));
}

// "Dead_hh.mm.ss_dd.mm.yyyy.txt", the hour of a 24-hour clock, every field
// two digits.
void tst_Encounters::archiveNameHasTwoDigitsEach_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("name");
    QTest::newRow("one-digit fields") << QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)) << "Dead_03.04.05_02.01.2026.txt";
    QTest::newRow("afternoon") << QDateTime(QDate(2027, 10, 31), QTime(14, 0, 9)) << "Dead_14.00.09_31.10.2027.txt";
}

void tst_Encounters::archiveNameHasTwoDigitsEach()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, name);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    QDir::setCurrent(box.folder());
    const frmMainGameWindow *map = box.openMap();
    Clock::fix(moment);
    QCOMPARE(ArchiveDeadCharacter(map->controls(), 20, {}), Outcome::end(0));
    // Beside it, the history of the fallen that now holds its record.
    QCOMPARE(QDir(box.folder()).entryList(QDir::Files), (QStringList{name, "Fallen.tsv"}));
}

// When the archive cannot be written the character file stays where it is,
// nothing is replaced, and a message says where the file is.
void tst_Encounters::archiveNeverReplacesAnExistingFile_data()
{
    QTest::addColumn<bool>("archiveExists");
    QTest::newRow("name taken") << true;
#ifndef CHROMALAND_INSTALLED
    QTest::newRow("working folder gone") << false;
#endif
}

void tst_Encounters::archiveNeverReplacesAnExistingFile()
{
    QFETCH(bool, archiveExists);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    QVERIFY(QDir(box.folder()).mkdir("cwd"));
    QDir::setCurrent(box.path("cwd"));
    if (archiveExists)
        box.write(archiveFolder + "Dead_23.55.11_06.12.2026.txt", "an earlier death");
    else
        QVERIFY(QDir(box.path("cwd")).removeRecursively());
    frmMainGameWindow *map = box.openMap();
    map->controls().lbl_HP_val->setText("-3");
    QCOMPARE(ArchiveDeadCharacter(map->controls(), 20, {}), Outcome::end(1));
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].contains(QDir::toNativeSeparators(box.path("Character.chx"))),
             qPrintable(box.messages[0]));
    QVERIFY(box.read("Character.chx").contains("\r\nHPc=-3\r\n"));
    if (archiveExists)
        QCOMPARE(box.read(archiveFolder + "Dead_23.55.11_06.12.2026.txt"), QByteArray("an earlier death"));
}

QTEST_MAIN(tst_Encounters)
#include "tst_encounters.moc"
