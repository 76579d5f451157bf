#include "testsupport.h"

#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/programend.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QElapsedTimer>
#include <QLocale>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace modGameLogicCode;

// The character file: created, loaded, saved; what a damaged one does.
class tst_Character : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedAfterTheMessage();
    void fileLoadsAsWritten_data();
    void fileLoadsAsWritten();
    void everyByteSurvivesLoadAndSave();
    void lineEndingsOfAnyKindRead_data();
    void lineEndingsOfAnyKindRead();
    void damagedFileEndsStartUpUntouched_data();
    void damagedFileEndsStartUpUntouched();
    void unreadableEntryEndsStartUpUntouched_data();
    void unreadableEntryEndsStartUpUntouched();
    void saveFailureIsReportedAndOldFileKept();
    void eachChangeIsOnDiskAtOnce_data();
    void eachChangeIsOnDiskAtOnce();
    void saveFailureDuringPlayIsToldOnce();
    void savesWhateverTheFolderAllows_data();
    void savesWhateverTheFolderAllows();
    void startClearsWhatAnInterruptedSaveLeft_data();
    void startClearsWhatAnInterruptedSaveLeft();
    void firstStartThatCannotWriteLeavesNoFile_data();
    void firstStartThatCannotWriteLeavesNoFile();
    void savedLineIsPlain8BitText_data();
    void savedLineIsPlain8BitText();
    void fileExistsIgnoresLetterCase_data();
    void fileExistsIgnoresLetterCase();
    void characterFileInOtherCaseIsUsed();
    void gainButtonsFollowThePoints_data();
    void gainButtonsFollowThePoints();
};

namespace {

// Files written by this process may not grow beyond the limit while it
// lives: a write past it fails as on a full disk.
struct FullDisk
{
    explicit FullDisk(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

// While it lives, folder and file permissions apply to this process even
// when the tests run as root: root acts as "nobody".
struct Unprivileged
{
    Unprivileged() { QVERIFY(geteuid() != 0 || seteuid(65534) == 0); }
    ~Unprivileged() { [[maybe_unused]] const int back = seteuid(0); }
};

} // namespace

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
    QVERIFY(map);
    QCOMPARE(map->controls().lbl_ST_val->text(), QString("10"));
    QCOMPARE(map->controls().lbl_Points_val->text(), QString("0"));
    QCOMPARE(control<PictureBox>(map, "pic_Red")->widthTwips(), 150.0f);
    QVERIFY(box.ends.isEmpty());
}

// Only the position and the key length count; statistics stay text;
// points and skills are rounded down.
void tst_Character::fileLoadsAsWritten_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("savedLine");

    const auto row = [](const char *name, int index, const char *line, const char *control, const char *shown,
                        const char *savedLine) {
        QTest::newRow(name) << withLine(index, line) << control << shown << savedLine;
    };
    row("key text ignored", 0, "XX=7", "lbl_ST_val", "7", "ST=7");
    row("empty strength", 0, "ST=", "lbl_ST_val", "", "ST=");
    row("strength not a number", 0, "ST=12abc", "lbl_ST_val", "12abc", "ST=12abc");
    row("blanks kept", 1, "DX= 12 ", "lbl_DX_val", " 12 ", "DX= 12 ");
    row("max magic", 6, "MPm=25", "lbl_MP_max", "25", "MPm=25");
    row("points rounded down", 7, "pts=2.9", "lbl_Points_val", "2", "pts=2");
    row("points with blanks", 7, "pts= 3 ", "lbl_Points_val", "3", "pts=3");
    row("negative points", 7, "pts=-0.5", "lbl_Points_val", "-1", "pts=-1");
    row("huge points", 7, "pts=1e300", "lbl_Points_val", "1E+300", "pts=1E+300");
    row("violet half level", 8, "V=2.5", "pic_Violet", "300", "V=2");
    row("red level 18", 14, "R=18", "pic_Red", "2700", "R=18");
    row("blue level 0", 10, "B=0", "pic_Blue", "0", "B=0");
    QStringList longer = Sandbox::defaultLines();
    longer << "Saved: yesterday"
           << "anything at all"
           << "pts=abc";
    QTest::newRow("16 or more lines") << longer << "lbl_Points_val"
                                      << "0"
                                      << "pts=0";
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
    QVERIFY(map);
    if (auto *label = map->findChild<QLabel *>(control))
        QCOMPARE(label->text(), shown);
    else
        QCOMPARE(QString::number(map->findChild<PictureBox *>(control)->widthTwips()), shown);

    box.close(map);
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
    QVERIFY(map);
    QCOMPARE(map->controls().lbl_WS_val->text().size(), bytes.size());
    box.close(map);
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
    QCOMPARE(map->controls().lbl_ST_val->text(), QString("10"));
    QCOMPARE(control<PictureBox>(map, "pic_Red")->widthTwips(), 450.0f);
    box.close(map);
    QVERIFY(box.read("Character.chx").startsWith(Sandbox::lines(withLine(14, "R=3"))));
}

// Start-up ends through "Error: code : description"; the file stays as it
// was. One row for each code: which damage gives which code is the
// corpus's table (tests/data/expected.tsv).
void tst_Character::damagedFileEndsStartUpUntouched_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("code");
    QTest::newRow("empty file") << QByteArray() << 62;
    QTest::newRow("points abc") << Sandbox::lines(withLine(7, "pts=abc")) << 13;
    QTest::newRow("points 1e999") << Sandbox::lines(withLine(7, "pts=1e999")) << 6;
    QTest::newRow("negative skill") << Sandbox::lines(withLine(8, "V=-1")) << 380;
    QTest::newRow("points of a million digits") << Sandbox::lines(withLine(7, "pts=" + QString(1000000, '9'))) << 6;
    QTest::newRow("line shorter than key") << Sandbox::lines(withLine(3, "HP")) << 5;
    QTest::newRow("2 MiB file") << Sandbox::lines(Sandbox::defaultLines()) + QByteArray(2 << 20, 'x') << 75;
}

void tst_Character::damagedFileEndsStartUpUntouched()
{
    QFETCH(QByteArray, file);
    QFETCH(int, code);
    Sandbox box;
    box.write("Character.chx", file);
    QString strengthAtTheBox;
    box.onMessage = [&](const QString &) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *opening = qobject_cast<frmMainGameWindow *>(window))
                strengthAtTheBox = opening->controls().lbl_ST_val->text();
    };
    frmMainGameWindow *map = box.openMap();
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].startsWith(QStringLiteral("Error: %1 : ").arg(code)), qPrintable(box.messages[0]));
    QVERIFY(box.messages[0].size() > QStringLiteral("Error: %1 : ").arg(code).size());
    // A bad value is quoted in short, whatever its length.
    QVERIFY2(box.messages[0].size() < 160, qPrintable(box.messages[0].left(200)));
    QCOMPARE(box.captions[0], QString("Chromaland"));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(!map);
    // Nothing of the damaged file reached the window while it was open.
    QCOMPARE(strengthAtTheBox, QString("Strength"));
    QCOMPARE(box.read("Character.chx"), file);
}

// What cannot be read as a file ends start-up at once with "Error: 75",
// and stays: a folder, or a named pipe behind a link (not waited for).
// Every other kind of entry, and how soon each is given up, is the
// corpus's table.
void tst_Character::unreadableEntryEndsStartUpUntouched_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("link to a named pipe") << "link to pipe";
}

void tst_Character::unreadableEntryEndsStartUpUntouched()
{
    QFETCH(QString, kind);
    Sandbox box;
    const QString file = box.path("Character.chx");
    if (kind == "folder")
        QVERIFY(QDir(box.folder()).mkdir("Character.chx"));
    if (kind == "link to pipe") {
        QCOMPARE(mkfifo(QFile::encodeName(box.path("pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(box.path("pipe"), file));
    }
    QElapsedTimer clock;
    clock.start();
    const frmMainGameWindow *map = box.openMap();
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].startsWith("Error: 75 : "), qPrintable(box.messages[0]));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(!map);
    const QFileInfo after(file);
    QCOMPARE(after.isDir(), kind == "folder");
    QCOMPARE(after.isSymLink(), kind.startsWith("link"));
}

// A save that cannot write names the file and the reason, ends the program,
// and leaves the old file as it was.
void tst_Character::saveFailureIsReportedAndOldFileKept()
{
    Sandbox box;
    box.writeCharacter(withLine(0, "ST=33"));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    // The file turns into a folder behind the game's back.
    QVERIFY(QFile::remove(box.path("Character.chx")));
    QVERIFY(QDir(box.folder()).mkpath("Character.chx/keep"));
    box.close(map);
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].contains(QDir::toNativeSeparators(box.path("Character.chx"))),
             qPrintable(box.messages[0]));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(QFileInfo::exists(box.path("Character.chx/keep")));
}

// What a kill -9 right after an event keeps: a battle that changed the
// character and a point spent are in the file at once, as a close writes
// it; a battle or a click that changed nothing writes nothing.
void tst_Character::eachChangeIsOnDiskAtOnce_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QString>("event"); // what the battle leaves, or "point" for a click on Strength's "+"
    QTest::addColumn<QStringList>("onDisk"); // the record after it; empty: the file as it was
    const auto lines = [](std::initializer_list<std::pair<int, const char *>> changed) {
        QStringList all = Sandbox::defaultLines();
        for (const auto &[index, line] : changed)
            all[index] = line;
        return all;
    };
    const QStringList plain = Sandbox::defaultLines();
    QTest::newRow("win") << plain << "win" << lines({{14, "R=2"}});
    QTest::newRow("retreat, health changed") << plain << "hurt" << lines({{3, "HPc=7"}});
    QTest::newRow("retreat, magic changed") << plain << "drained" << lines({{5, "MPc=4"}});
    QTest::newRow("retreat, nothing changed") << plain << "retreat" << QStringList();
    QTest::newRow("point spent") << lines({{7, "pts=1"}}) << "point" << lines({{0, "ST=11"}});
    QTest::newRow("point refused") << lines({{0, "ST=12abc"}, {7, "pts=1"}}) << "point" << QStringList();
}

void tst_Character::eachChangeIsOnDiskAtOnce()
{
    QFETCH(QStringList, start);
    QFETCH(QString, event);
    QFETCH(QStringList, onDisk);
    Sandbox box;
    box.writeCharacter(start);
    const QByteArray before = box.read("Character.chx");
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    BattleScript script(map, [event](const MapControls &controls) {
        if (event == "hurt")
            controls.lbl_HP_val->setText("7");
        if (event == "drained")
            controls.lbl_MP_val->setText("4");
        if (event != "win")
            controls.lbl_EnemyTag->setText("Retreat");
    });
    if (event == "point") {
        control<QPushButton>(map, "cmd_ST_gain")->click();
    } else {
        // Onto enemy 20, at the right-hand end of the last row it starts on.
        place(map->controls().pic_Player, 312.0f, 328.0f);
        QTest::keyClick(control<PictureBox>(map, "pic_WorldMap"), Qt::Key_Right);
        QCOMPARE(script.tags, QStringList{"20"});
    }
    if (onDisk.isEmpty())
        QCOMPARE(box.read("Character.chx"), before);
    else
        QCOMPARE(box.read("Character.chx"), Sandbox::lines(onDisk << "Saved: 6 Dec 2026 23:55:11"));
    QCOMPARE(QDir(box.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Character.chx"});
    QVERIFY(box.messages.isEmpty());
    QVERIFY(box.ends.isEmpty());
}

// A save that fails during play says so the first time only, and play
// goes on: the close tries again and says it again.
void tst_Character::saveFailureDuringPlayIsToldOnce()
{
    Sandbox box;
    box.writeCharacter(withLine(7, "pts=3"));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    QVERIFY(QFile::remove(box.path("Character.chx")));
    QVERIFY(QDir(box.folder()).mkpath("Character.chx/keep"));
    control<QPushButton>(map, "cmd_ST_gain")->click();
    control<QPushButton>(map, "cmd_DX_gain")->click();
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].contains(QDir::toNativeSeparators(box.path("Character.chx"))),
             qPrintable(box.messages[0]));
    QVERIFY(box.ends.isEmpty());
    QCOMPARE(map->controls().lbl_Points_val->text(), QString("1"));
    box.close(map);
    QCOMPARE(box.messages.size(), 2);
    QCOMPARE(box.ends, QList<int>{1});
}

// A save goes wherever the folder lets it: beside the old file and then
// over it, or into the file itself where the folder takes no new file,
// either way the whole old file replaced and nothing left beside it. A
// save that cannot be completed (a full disk, nothing writable) keeps the
// old file byte for byte, leaves nothing beside it, says so and ends with 1.
void tst_Character::savesWhateverTheFolderAllows_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<int>("diskRoom"); // bytes a file may reach; 0: no limit
    QTest::addColumn<bool>("saved");
    QTest::newRow("writable folder") << true << true << 0 << true;
    QTest::newRow("full disk") << true << true << 40 << false;
    QTest::newRow("read-only folder, writable file") << false << true << 0 << true;
    QTest::newRow("read-only folder, full disk") << false << true << 100 << false;
    QTest::newRow("read-only folder and file") << false << false << 0 << false;
}

void tst_Character::savesWhateverTheFolderAllows()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    QFETCH(int, diskRoom);
    QFETCH(bool, saved);
    Sandbox box;
    box.writeCharacter(withLine(0, "ST=33") << "Saved: earlier" << QString(5000, 'x'));
    const QByteArray before = box.read("Character.chx");
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    map->controls().lbl_HP_val->setText("7");
    const QByteArray folder = QFile::encodeName(box.folder());
    const QByteArray file = QFile::encodeName(box.path("Character.chx"));
    QCOMPARE(chmod(file.constData(), fileWritable ? 0666 : 0444), 0);
    QCOMPARE(chmod(folder.constData(), folderWritable ? 0777 : 0555), 0);
    {
        Unprivileged nobody;
        std::optional<FullDisk> full;
        if (diskRoom)
            full.emplace(rlim_t(diskRoom));
        box.close(map);
    }
    QCOMPARE(chmod(folder.constData(), 0755), 0);

    const QByteArray after = box.read("Character.chx");
    QCOMPARE(QDir(box.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Character.chx"});
    if (saved) {
        QVERIFY(after.startsWith("ST=33\r\n"));
        QVERIFY(after.contains("\r\nHPc=7\r\n"));
        QVERIFY(after.endsWith("23:55:11\r\n"));
        QVERIFY(!after.contains("xxxxx"));
        QVERIFY(box.messages.isEmpty());
        QCOMPARE(box.ends, QList<int>{0});
    } else {
        QCOMPARE(after, before);
        QCOMPARE(box.messages.size(), 1);
        QVERIFY2(box.messages[0].contains(QDir::toNativeSeparators(box.path("Character.chx"))),
                 qPrintable(box.messages[0]));
        QCOMPARE(box.ends, QList<int>{1});
    }
}

// A save cut short after its new file took the pending name leaves that
// file; the next start removes it, whether or not the character file is
// there, and nothing else: not a folder of that name, nor a file whose
// name merely begins like it.
void tst_Character::startClearsWhatAnInterruptedSaveLeft_data()
{
    QTest::addColumn<bool>("character");
    QTest::addColumn<QString>("leftover");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("left by a save at closing") << true << "Character.chx.saving" << QStringList();
    QTest::newRow("left by a first start") << false << "Character.chx.saving" << QStringList();
    QTest::newRow("not a plain file") << true << "" << QStringList{"Character.chx.saving"};
    QTest::newRow("other names") << true << "Character.chx.saving"
                                 << QStringList{"Character.chx.AbC123", "Character.chx.saving~"};
}

void tst_Character::startClearsWhatAnInterruptedSaveLeft()
{
    QFETCH(bool, character);
    QFETCH(QString, leftover);
    QFETCH(QStringList, kept);
    Sandbox box;
    if (character)
        box.writeCharacter(withLine(0, "ST=33"));
    if (!leftover.isEmpty())
        box.write(leftover, Sandbox::lines(Sandbox::defaultLines()));
    for (const QString &name : kept) {
        if (name.endsWith(".saving"))
            QVERIFY(QDir(box.folder()).mkdir(name));
        else
            box.write(name, "the player's own\n");
    }
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    QStringList expected = kept << "Character.chx";
    expected.sort();
    QCOMPARE(QDir(box.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             expected);
    QCOMPARE(map->controls().lbl_ST_val->text(), QString(character ? "33" : "10"));
}

// A first start that cannot write the default character ends with
// "Error: 75" and leaves no file, empty or partial, for the next start.
void tst_Character::firstStartThatCannotWriteLeavesNoFile_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::newRow("full disk") << true;
    QTest::newRow("read-only folder") << false;
}

void tst_Character::firstStartThatCannotWriteLeavesNoFile()
{
    QFETCH(bool, folderWritable);
    Sandbox box;
    const QByteArray folder = QFile::encodeName(box.folder());
    QCOMPARE(chmod(folder.constData(), folderWritable ? 0777 : 0555), 0);
    frmMainGameWindow *map = nullptr;
    {
        Unprivileged nobody;
        std::optional<FullDisk> full;
        if (folderWritable)
            full.emplace(rlim_t(40));
        map = box.openMap();
    }
    QCOMPARE(chmod(folder.constData(), 0755), 0);
    QCOMPARE(box.messages.size(), 2);
    QVERIFY2(box.messages[1].startsWith("Error: 75 : "), qPrintable(box.messages[1]));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(!map);
    QCOMPARE(QDir(box.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

// Loaded and saved at once, the file is its 15 lines and the "Saved: "
// line: the short date, one blank and the time; where the player's date
// form is not plain 8-bit text it is year-month-day.
void tst_Character::savedLineIsPlain8BitText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("C") << "C" << QByteArray("Saved: 6 Dec 2026 23:55:11");
    QTest::newRow("en_US") << "en_US" << QByteArray("Saved: 12/6/26 23:55:11");
    QTest::newRow("de_DE") << "de_DE" << QByteArray("Saved: 06.12.26 23:55:11");
    QTest::newRow("ar_EG: other digits") << "ar_EG" << QByteArray("Saved: 2026-12-06 23:55:11");
    QTest::newRow("fa_IR: other digits") << "fa_IR" << QByteArray("Saved: 2026-12-06 23:55:11");
}

void tst_Character::savedLineIsPlain8BitText()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, line);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    QLocale::setDefault(QLocale(locale));
    box.close(box.openMap());
    QLocale::setDefault(QLocale::system());
    QCOMPARE(box.read("Character.chx"), Sandbox::lines(Sandbox::defaultLines()) + line + "\r\n");
    QCOMPARE(box.ends, QList<int>{0});
}

void tst_Character::fileExistsIgnoresLetterCase_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QString>("askedFor");
    QTest::addColumn<bool>("exists");
    const auto row = [](const char *name, const char *onDisk, const char *askedFor, bool exists) {
        QTest::newRow(name) << onDisk << askedFor << exists;
    };
    row("same", "Enemy_7.bmp", "Enemy_7.bmp", true);
    row("other case", "enemy_7.BMP", "Enemy_7.bmp", true);
    row("folder counts", "Graphics/", "graphics", true);
    row("different name", "Enemy_07.bmp", "Enemy_7.bmp", false);
    row("hidden entry not listed", ".Enemy_7.bmp", ".Enemy_7.bmp", false);
    row("prefix only", "Enemy_7.bmp.old", "Enemy_7.bmp", false);
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
    QCOMPARE(findEntry(box.path(askedFor)),
             exists ? box.path(onDisk.endsWith('/') ? onDisk.chopped(1) : onDisk) : QString());
    QVERIFY(!FileExists(box.path("missing/" + askedFor)));
}

// A character file spelt in another case is the one loaded and saved.
void tst_Character::characterFileInOtherCaseIsUsed()
{
    Sandbox box;
    box.write("character.CHX", Sandbox::lines(withLine(0, "ST=21")));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(box.messages.isEmpty());
    QCOMPARE(map->controls().lbl_ST_val->text(), QString("21"));
    box.close(map);
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
    map->controls().lbl_Points_val->setText(points);
    UpdateGainButtons(map->controls());
    for (const char *name : {"cmd_ST_gain", "cmd_DX_gain", "cmd_WS_gain", "cmd_HP_gain", "cmd_MP_gain"})
        QCOMPARE(!map->findChild<QPushButton *>(name)->isHidden(), shown);
}

QTEST_MAIN(tst_Character)
#include "tst_character.moc"
