#include "testsupport.h"

#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "platform/programend.h"

#include <QDir>
#include <QTest>

using namespace modGameLogicCode;

// The character file: created, loaded, saved; what a damaged one does.
class tst_Character : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedAfterTheMessage();
    void defaultCharacterSavesAsFifteenLinesAndSaved();
    void fileLoadsAsWritten_data();
    void fileLoadsAsWritten();
    void everyByteSurvivesLoadAndSave();
    void lineEndingsOfAnyKindRead_data();
    void lineEndingsOfAnyKindRead();
    void damagedFileEndsStartUpUntouched_data();
    void damagedFileEndsStartUpUntouched();
    void characterFolderEndsStartUpUntouched();
    void saveFailureIsReportedAndOldFileKept();
    void saveReplacesTheFileWhole();
    void fileExistsIgnoresLetterCase_data();
    void fileExistsIgnoresLetterCase();
    void characterFileInOtherCaseIsUsed();
    void gainButtonsFollowThePoints_data();
    void gainButtonsFollowThePoints();
};

static QStringList withLine(int index, const QString &line)
{
    QStringList lines = Sandbox::defaultLines();
    lines[index] = line;
    return lines;
}

// With no file: the message with the program's title, then the defaults.
void tst_Character::missingFileIsCreatedAfterTheMessage()
{
    Sandbox box;
    QStringList seenOnDisk;
    box.onMessage = [&](const QString &) { seenOnDisk << (box.exists("Character.chx") ? "yes" : "no"); };
    frmMainGameWindow *map = box.openMap();
    QCOMPARE(box.messages, QStringList{"Character file could not be found - a new character will be created"});
    QCOMPARE(box.captions, QStringList{"Chromaland"});
    QCOMPARE(seenOnDisk, QStringList{"no"});
    QCOMPARE(box.read("Character.chx"), Sandbox::lines(Sandbox::defaultLines()));
    QVERIFY(map->startedUp());
    QCOMPARE(map->ui.lbl_ST_val->text(), QString("10"));
    QCOMPARE(map->ui.lbl_Points_val->text(), QString("0"));
    QCOMPARE(map->ui.pic_Red->widthTwips(), 150.0f);
    QVERIFY(box.ends.isEmpty());
}

// Loading the default file and saving at once gives its 15 lines plus "Saved: ".
void tst_Character::defaultCharacterSavesAsFifteenLinesAndSaved()
{
    Sandbox box;
    box.openMap()->close();
    const QByteArray saved = box.read("Character.chx");
    const QList<QByteArray> lines = saved.split('\n');
    QCOMPARE(lines.size(), 17);   // 16 lines and nothing after the last CR LF
    QVERIFY(lines.last().isEmpty());
    QVERIFY(saved.startsWith(Sandbox::lines(Sandbox::defaultLines())));
    QVERIFY(lines[15].startsWith("Saved: "));
    QVERIFY(lines[15].endsWith("23:55:11\r"));
    QCOMPARE(saved.count("\r\n"), 16);
    QCOMPARE(saved.count('\n'), 16);
    QCOMPARE(box.ends, QList<int>{0});
}

// Only the position and the key length count; statistics stay text;
// points and skills are rounded down.
void tst_Character::fileLoadsAsWritten_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("savedLine");

    QTest::newRow("key text ignored") << withLine(0, "XX=7") << "lbl_ST_val" << "7" << "ST=7";
    QTest::newRow("empty strength") << withLine(0, "ST=") << "lbl_ST_val" << "" << "ST=";
    QTest::newRow("strength not a number") << withLine(0, "ST=12abc") << "lbl_ST_val" << "12abc" << "ST=12abc";
    QTest::newRow("blanks kept") << withLine(1, "DX= 12 ") << "lbl_DX_val" << " 12 " << "DX= 12 ";
    QTest::newRow("max magic") << withLine(6, "MPm=25") << "lbl_MP_max" << "25" << "MPm=25";
    QTest::newRow("points rounded down") << withLine(7, "pts=2.9") << "lbl_Points_val" << "2" << "pts=2";
    QTest::newRow("points with blanks") << withLine(7, "pts= 3 ") << "lbl_Points_val" << "3" << "pts=3";
    QTest::newRow("negative points") << withLine(7, "pts=-0.5") << "lbl_Points_val" << "-1" << "pts=-1";
    QTest::newRow("huge points") << withLine(7, "pts=1e300") << "lbl_Points_val" << "1E+300" << "pts=1E+300";
    QTest::newRow("violet half level") << withLine(8, "V=2.5") << "pic_Violet" << "300" << "V=2";
    QTest::newRow("red level 18") << withLine(14, "R=18") << "pic_Red" << "2700" << "R=18";
    QTest::newRow("blue level 0") << withLine(10, "B=0") << "pic_Blue" << "0" << "B=0";
    QStringList longer = Sandbox::defaultLines();
    longer << "Saved: yesterday" << "anything at all" << "pts=abc";
    QTest::newRow("16 or more lines") << longer << "lbl_Points_val" << "0" << "pts=0";
}

void tst_Character::fileLoadsAsWritten()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(QString, savedLine);
    Sandbox box;
    box.writeCharacter(lines);
    frmMainGameWindow *map = box.openMap();
    QVERIFY(box.messages.isEmpty());
    QVERIFY(map->startedUp());
    if (auto *label = map->findChild<QLabel *>(control))
        QCOMPARE(label->text(), shown);
    else
        QCOMPARE(QString::number(map->findChild<PictureBox *>(control)->widthTwips()), shown);

    map->close();
    const QList<QByteArray> saved = box.read("Character.chx").split('\n');
    QCOMPARE(saved.size(), 17);
    QVERIFY(saved.contains(savedLine.toLatin1() + '\r'));
}

// The file is 8-bit text: a statistic holding every byte from 0x20 to 0xFF
// is saved back byte for byte.
void tst_Character::everyByteSurvivesLoadAndSave()
{
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        bytes += char(b);
    QByteArray file = Sandbox::lines(Sandbox::defaultLines());
    file.replace("WS=10\r\n", "WS=" + bytes + "\r\n");
    Sandbox box;
    box.write("Character.chx", file);
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map->startedUp());
    QCOMPARE(map->ui.lbl_WS_val->text().size(), bytes.size());
    map->close();
    QVERIFY(box.read("Character.chx").contains("\r\nWS=" + bytes + "\r\nHPc=10\r\n"));
}

// Lines ended by LF alone, or a last line without an ending, read like CR LF
// lines; the save writes CR LF.
void tst_Character::lineEndingsOfAnyKindRead_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray crlf = Sandbox::lines(withLine(14, "R=3"));
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QTest::newRow("LF") << lf;
    QTest::newRow("no ending on the last line") << crlf.left(crlf.size() - 2);
    QByteArray mixed = crlf;
    mixed.replace("ST=10\r\n", "ST=10\n");
    QTest::newRow("mixed") << mixed;
}

void tst_Character::lineEndingsOfAnyKindRead()
{
    QFETCH(QByteArray, file);
    Sandbox box;
    box.write("Character.chx", file);
    frmMainGameWindow *map = box.openMap();
    QVERIFY2(box.messages.isEmpty(), qPrintable(box.messages.join('|')));
    QCOMPARE(map->ui.lbl_ST_val->text(), QString("10"));
    QCOMPARE(map->ui.pic_Red->widthTwips(), 450.0f);
    map->close();
    QVERIFY(box.read("Character.chx").startsWith(Sandbox::lines(withLine(14, "R=3"))));
}

// Start-up ends through "Error: code : description"; the file stays as it was.
void tst_Character::damagedFileEndsStartUpUntouched_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("code");
    const QStringList d = Sandbox::defaultLines();
    QTest::newRow("empty file") << QByteArray() << 62;
    QTest::newRow("14 lines") << Sandbox::lines(d.mid(0, 14)) << 62;
    QTest::newRow("14 lines, no ending") << Sandbox::lines(d.mid(0, 14)).chopped(2) << 62;
    QTest::newRow("points empty") << Sandbox::lines(withLine(7, "pts=")) << 13;
    QTest::newRow("points abc") << Sandbox::lines(withLine(7, "pts=abc")) << 13;
    QTest::newRow("points 1e999") << Sandbox::lines(withLine(7, "pts=1e999")) << 6;
    QTest::newRow("points nan") << Sandbox::lines(withLine(7, "pts=nan")) << 13;
    QTest::newRow("points inf") << Sandbox::lines(withLine(7, "pts=inf")) << 13;
    QTest::newRow("skill empty") << Sandbox::lines(withLine(9, "I=")) << 13;
    QTest::newRow("skill abc") << Sandbox::lines(withLine(9, "I=abc")) << 13;
    QTest::newRow("skill 1e999") << Sandbox::lines(withLine(10, "B=1e999")) << 6;
    QTest::newRow("skill nan") << Sandbox::lines(withLine(11, "G=nan")) << 13;
    QTest::newRow("skill inf") << Sandbox::lines(withLine(12, "Y=inf")) << 13;
    QTest::newRow("skill width overflows") << Sandbox::lines(withLine(13, "O=1e307")) << 6;
    QTest::newRow("negative skill") << Sandbox::lines(withLine(8, "V=-1")) << 380;
    QTest::newRow("line shorter than key") << Sandbox::lines(withLine(3, "HP")) << 5;
    QTest::newRow("skill line shorter than key") << Sandbox::lines(withLine(14, "R")) << 5;
}

void tst_Character::damagedFileEndsStartUpUntouched()
{
    QFETCH(QByteArray, file);
    QFETCH(int, code);
    Sandbox box;
    box.write("Character.chx", file);
    frmMainGameWindow *map = box.openMap();
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].startsWith(QStringLiteral("Error: %1 : ").arg(code)), qPrintable(box.messages[0]));
    QVERIFY(box.messages[0].size() > QStringLiteral("Error: %1 : ").arg(code).size());
    QCOMPARE(box.captions[0], QString("Chromaland"));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(!map->startedUp());
    // Nothing of the damaged file reached the window.
    QCOMPARE(map->ui.lbl_ST_val->text(), QString("Strength"));
    map->close();
    QCOMPARE(box.read("Character.chx"), file);
}

// A folder in the place of the file is found, cannot be read, and stays.
void tst_Character::characterFolderEndsStartUpUntouched()
{
    Sandbox box;
    QVERIFY(QDir(box.folder()).mkdir("Character.chx"));
    frmMainGameWindow *map = box.openMap();
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].startsWith("Error: 75 : "), qPrintable(box.messages[0]));
    QCOMPARE(box.ends, QList<int>{1});
    map->close();
    QVERIFY(QFileInfo(box.path("Character.chx")).isDir());
}

// A save that cannot write names the file and the reason, ends the program,
// and leaves the old file as it was.
void tst_Character::saveFailureIsReportedAndOldFileKept()
{
    Sandbox box;
    box.writeCharacter(withLine(0, "ST=33"));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map->startedUp());
    // The file turns into a folder behind the game's back.
    QVERIFY(QFile::remove(box.path("Character.chx")));
    QVERIFY(QDir(box.folder()).mkpath("Character.chx/keep"));
    map->close();
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].contains(QDir::toNativeSeparators(box.path("Character.chx"))), qPrintable(box.messages[0]));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(QFileInfo::exists(box.path("Character.chx/keep")));
}

// The save is written beside the file and replaces it in one step: no
// temporary file is left and the result is complete.
void tst_Character::saveReplacesTheFileWhole()
{
    Sandbox box;
    QStringList lines = Sandbox::defaultLines();
    lines << "Saved: earlier" << QString(5000, 'x');
    box.writeCharacter(lines);
    frmMainGameWindow *map = box.openMap();
    map->ui.lbl_HP_val->setText("4");
    map->close();
    const QByteArray saved = box.read("Character.chx");
    QVERIFY(saved.contains("\r\nHPc=4\r\n"));
    QVERIFY(!saved.contains("xxxxx"));
    QCOMPARE(QDir(box.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Character.chx"});
}

void tst_Character::fileExistsIgnoresLetterCase_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QString>("askedFor");
    QTest::addColumn<bool>("exists");
    QTest::newRow("same") << "Enemy_7.bmp" << "Enemy_7.bmp" << true;
    QTest::newRow("other case") << "enemy_7.BMP" << "Enemy_7.bmp" << true;
    QTest::newRow("folder counts") << "Graphics/" << "graphics" << true;
    QTest::newRow("different name") << "Enemy_07.bmp" << "Enemy_7.bmp" << false;
    QTest::newRow("hidden entry not listed") << ".Enemy_7.bmp" << ".Enemy_7.bmp" << false;
    QTest::newRow("prefix only") << "Enemy_7.bmp.old" << "Enemy_7.bmp" << false;
}

void tst_Character::fileExistsIgnoresLetterCase()
{
    QFETCH(QString, onDisk);
    QFETCH(QString, askedFor);
    QFETCH(bool, exists);
    Sandbox box;
    if (onDisk.endsWith('/'))
        QVERIFY(QDir(box.folder()).mkdir(onDisk.chopped(1)));
    else
        box.write(onDisk, "x");
    QCOMPARE(FileExists(box.path(askedFor)), exists);
    QCOMPARE(FindEntry(box.path(askedFor)), exists ? box.path(onDisk.endsWith('/') ? onDisk.chopped(1) : onDisk) : QString());
    QVERIFY(!FileExists(box.path("missing/" + askedFor)));
}

// A character file spelt in another case is the one loaded and saved.
void tst_Character::characterFileInOtherCaseIsUsed()
{
    Sandbox box;
    box.write("character.CHX", Sandbox::lines(withLine(0, "ST=21")));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(box.messages.isEmpty());
    QCOMPARE(map->ui.lbl_ST_val->text(), QString("21"));
    map->close();
    QCOMPARE(QDir(box.folder()).entryList(QDir::Files), QStringList{"character.CHX"});
    QVERIFY(box.read("character.CHX").startsWith("ST=21\r\n"));
}

// The five buttons show while the points, rounded down, are above 0.
void tst_Character::gainButtonsFollowThePoints_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<bool>("shown");
    QTest::newRow("none") << "0" << false;
    QTest::newRow("half") << "0.5" << false;
    QTest::newRow("one") << "1" << true;
    QTest::newRow("negative") << "-2" << false;
    QTest::newRow("many") << "30" << true;
    QTest::newRow("huge") << "1E+300" << true;
}

void tst_Character::gainButtonsFollowThePoints()
{
    QFETCH(QString, points);
    QFETCH(bool, shown);
    Sandbox box;
    frmMainGameWindow *map = box.openMap();
    map->ui.lbl_Points_val->setText(points);
    UpdateGainButtons();
    for (const char *name : {"cmd_ST_gain", "cmd_DX_gain", "cmd_WS_gain", "cmd_HP_gain", "cmd_MP_gain"})
        QCOMPARE(!map->findChild<QPushButton *>(name)->isHidden(), shown);
}

QTEST_MAIN(tst_Character)
#include "tst_character.moc"
