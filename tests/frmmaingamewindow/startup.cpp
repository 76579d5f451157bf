#include "testsupport.h"

#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "resources/colourgroups.h"
#include "resources/gamepictures.h"
#include "system/playersettings.h"
#include "ui_frmMainGameWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <sys/stat.h>

// The map window as it opens: its layout, its pictures, its start-up.
class tst_frmMainGameWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowIsFixedAndTitled();
    void controlsMatchTheLayout_data();
    void controlsMatchTheLayout();
    void markersStartOnTheirSquares();
    void withoutGraphicsTheMapIsBuiltIn();
    void graphicsFilesAreLoaded();
    void onlyExactEnemyNumbersAreRead();
    void unreadablePictureEndsStartUp_data();
    void unreadablePictureEndsStartUp();
    void startUpHoldsTheEnemyClock();
    void f2SwitchesTheColourSymbols();
    void colourSymbolsAreRemembered();
    void unusableSettingsGiveNoSymbols_data();
    void unusableSettingsGiveNoSymbols();
};

// With CHROMALAND_SCREENSHOTS naming a folder, its picture is kept there.
void tst_frmMainGameWindow::windowIsFixedAndTitled()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = box.openMap();
    QCOMPARE(map->windowTitle(), QString("Chromaland"));
    // The player cannot resize it.
    QCOMPARE(map->size(), QSize(583, 495));
    map->resize(map->size() * 2);
    QCOMPARE(map->size(), QSize(583, 495));
    const Qt::WindowFlags flags = map->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!map->windowIcon().isNull());
    QCOMPARE(control<QProgressBar>(map, "prog_MoveTime")->toolTip(), QString("Time before enemy moves"));
    map->show();
    QVERIFY(QTest::qWaitForWindowExposed(map));
    if (const QString folder = qEnvironmentVariable("CHROMALAND_SCREENSHOTS"); !folder.isEmpty())
        QVERIFY(map->grab().save(folder + "/frmMainGameWindow.png"));
}

// Every control by name: where its design puts it (a skill bar as wide as
// level 1), what it says, its colour and whether it shows.
void tst_frmMainGameWindow::controlsMatchTheLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("shown");
    const QColor none;
    const auto row = [&](const char *name, QString caption, QColor color, bool shown) {
        QTest::newRow(name) << QString(name) << caption << color << shown;
    };
    row("frm_Stats", "Character", none, true);
    row("pic_WorldMap", "", QColor(225, 224, 159), true);
    row("frm_Skills", "Chromara Skills", none, true);
    row("lbl_TimeToEnemyMoves", "Time to enemy moves:", none, true);
    row("prog_MoveTime", "", none, true);
    row("pic_LoadedPlayer", "", Qt::white, false);
    row("pic_LoadedHealing", "", Qt::white, false);
    row("lbl_EnemyTag", "Enemy ID", none, false);
    // Inside frm_Stats.
    row("lbl_ST_label", "Strength:", none, true);
    row("lbl_ST_val", "10", none, true);
    row("cmd_ST_gain", "+", none, false);
    row("lbl_DX_Label", "Dexterity:", none, true);
    row("lbl_DX_val", "10", none, true);
    row("cmd_DX_gain", "+", none, false);
    row("lbl_WS_label", "Wisdom:", none, true);
    row("lbl_WS_val", "10", none, true);
    row("cmd_WS_gain", "+", none, false);
    row("lbl_HP_label", "Health:", none, true);
    row("lbl_HP_val", "10", none, true);
    row("lbl_HP_max", "10", none, true);
    row("cmd_HP_gain", "+", none, false);
    row("lbl_MP_Label", "Magic:", none, true);
    row("lbl_MP_val", "10", none, true);
    row("lbl_MP_max", "10", none, true);
    row("cmd_MP_gain", "+", none, false);
    row("lbl_Points_label", "Points:", none, true);
    row("lbl_Points_val", "0", none, true);
    // Inside frm_Skills: level 1 is 10 pixels wide; each bar in its group's
    // colour as the colour groups' table gives it.
    for (const ColourGroups::Group &group : ColourGroups::All) {
        const QByteArray name = "pic_" + QByteArray(group.name);
        row(name.constData(), "", ColourGroups::colour(group.bar), true);
    }
}

void tst_frmMainGameWindow::controlsMatchTheLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QColor, color);
    QFETCH(bool, shown);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = box.openMap();
    QWidget *control = map->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QWidget design;
    Ui::frmMainGameWindow form;
    form.setupUi(&design);
    QRect designed = static_cast<QWidget *>(requireChild(&design, qPrintable(name)))->geometry();
    if (qobject_cast<PictureBox *>(control) && control->parentWidget()->objectName() == "frm_Skills")
        designed.setWidth(10);
    QCOMPARE(control->geometry(), designed);
    QCOMPARE(!control->isHidden(), shown);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    else if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        QCOMPARE(frame->title(), caption);
    if (auto *picture = qobject_cast<PictureBox *>(control))
        QCOMPARE(picture->backColor(), color);
    if (name.endsWith("_val") || name.endsWith("_max"))
        QCOMPARE(qobject_cast<QLabel *>(control)->alignment(), Qt::AlignCenter);
}

// The player in the healing row, the enemies on the diagonal in their colours.
void tst_frmMainGameWindow::markersStartOnTheirSquares()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = box.openMap();
    PictureBox *player = map->controls().pic_Player;
    QCOMPARE(player->left(), 8.0f);
    QCOMPARE(player->top(), 344.0f);
    QCOMPARE(player->backColor(), QColor(Qt::white));
    // Interior pixels sit inside the map's two-pixel sunken border.
    QCOMPARE(player->geometry(), QRect(10, 346, 16, 16));
    for (int i = 0; i < 21; ++i) {
        PictureBox *enemy = map->controls().pic_Enemy[i];
        QCOMPARE(enemy->objectName(), QStringLiteral("pic_Enemy_%1").arg(i));
        QCOMPARE(enemy->left(), float(8 + 16 * i));
        QCOMPARE(enemy->top(), float(8 + 16 * i));
        QCOMPARE(enemy->size(), QSize(16, 16));
        QCOMPARE(enemy->backColor(), ColourGroups::colour(ColourGroups::All[std::size_t(i / 3)].marker));
        QVERIFY(enemy->shown());
        QVERIFY(enemy->picture().isNull());
    }
    QVERIFY(modGameLogicCode::EnemyAt(map->controls(), 8, 8));
    QVERIFY(modGameLogicCode::EnemyAt(map->controls(), 328, 328));
    QVERIFY(!modGameLogicCode::EnemyAt(map->controls(), 8, 344));
    map->controls().pic_Enemy[5]->hide();
    QVERIFY(modGameLogicCode::EnemyAt(map->controls(), 88, 88));
}

// No Graphics folder: the built-in map, plain squares, a white player.
void tst_frmMainGameWindow::withoutGraphicsTheMapIsBuiltIn()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    QCOMPARE(control<PictureBox>(map, "pic_WorldMap")->picture().size(), QSize(352, 368));
    QVERIFY(map->controls().pic_Player->picture().isNull());
    const QImage shot = control<PictureBox>(map, "pic_WorldMap")->grab().toImage();
    // The player's square shows white, an enemy's its colour.
    QCOMPARE(shot.pixelColor(10 + 7, 346 + 7), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(10 + 7, 10 + 7), ColourGroups::colour(ColourGroups::All[0].marker));
}

// Each picture file goes where it belongs, found in any letter case; the
// player starts with the healing picture.
void tst_frmMainGameWindow::graphicsFilesAreLoaded()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    box.write("Graphics/MapBackground.bmp", bitmapFile({352, 368}, Qt::darkGreen));
    box.write("Graphics/Player.bmp", bitmapFile({16, 16}, Qt::blue));
    box.write("Graphics/player_healing.BMP", bitmapFile({20, 20}, Qt::green));
    box.write("Graphics/ENEMY_7.bmp", bitmapFile({16, 16}, Qt::gray));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    QCOMPARE(control<PictureBox>(map, "pic_WorldMap")->picture().toImage().pixelColor(100, 100), QColor(Qt::darkGreen));
    QCOMPARE(control<PictureBox>(map, "pic_LoadedPlayer")->picture().toImage().pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(map->controls().pic_Player->picture().toImage().pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(map->controls().pic_Enemy[7]->picture().toImage().pixelColor(0, 0), QColor(Qt::gray));
    QVERIFY(map->controls().pic_Enemy[6]->picture().isNull());
    // A 20 x 20 picture shows its top-left 16 x 16 and the box keeps its size.
    QCOMPARE(map->controls().pic_Player->size(), QSize(16, 16));
    const QImage player = map->controls().pic_Player->grab().toImage();
    QCOMPARE(player.pixelColor(15, 15), QColor(Qt::green));
}

// Enemy_07.bmp and Enemy_21.bmp are nobody's picture.
void tst_frmMainGameWindow::onlyExactEnemyNumbersAreRead()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    box.write("Graphics/Enemy_07.bmp", "not a picture");
    box.write("Graphics/Enemy_21.bmp", "not a picture");
    frmMainGameWindow *map = box.openMap();
    QVERIFY(box.messages.isEmpty());
    QVERIFY(map);
    for (PictureBox *enemy : map->controls().pic_Enemy)
        QVERIFY(enemy->picture().isNull());
}

// A bitmap whose header says otherwise than the file holds.
static QByteArray withHeader(QByteArray file, int at, qint32 value)
{
    qToLittleEndian(value, file.data() + at);
    return file;
}

// A picture file that exists but is no picture ends start-up with
// "Error: 481 : …", before the character file is looked for: the character
// file is left exactly as it was, and a missing one is not created. Nothing
// waits for a writer or reads without end.
void tst_frmMainGameWindow::unreadablePictureEndsStartUp_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind");
    const QByteArray red = bitmapFile({16, 16}, Qt::red);
    QTest::newRow("empty") << "Graphics/Player_Healing.bmp" << QByteArray() << "";
    QTest::newRow("text") << "Graphics/MapBackground.bmp" << QByteArray("just some text\r\n") << "";
    QTest::newRow("truncated bmp") << "Graphics/Enemy_20.bmp" << red.left(70) << "";
    QTest::newRow("size past 64 bits") << "Graphics/Enemy_3.bmp"
                                       << withHeader(withHeader(red, 18, 0x7fffffff), 22, 0x7fffffff) << "";
    QTest::newRow("no width") << "Graphics/Enemy_4.bmp" << withHeader(red, 18, 0) << "";
    QTest::newRow("a folder") << "Graphics/Player.bmp/" << QByteArray() << "";
    QTest::newRow("link to a named pipe") << "Graphics/Enemy_5.bmp" << QByteArray() << "pipe";
    QTest::newRow("link to /dev/zero") << "Graphics/Enemy_6.bmp" << QByteArray() << "zero";
    QTest::newRow("no character file yet") << "Graphics/Player.bmp" << QByteArray("x") << "no character";
}

void tst_frmMainGameWindow::unreadablePictureEndsStartUp()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    Sandbox box;
    const QByteArray character = Sandbox::lines(Sandbox::defaultLines()) + "Saved: before\r\n";
    if (kind != "no character")
        box.write("Character.chx", character);
    if (file.endsWith('/')) {
        QVERIFY(QDir(box.folder()).mkpath(file));
    } else if (kind == "pipe") {
        QVERIFY(QDir(box.folder()).mkpath("Graphics"));
        QCOMPARE(mkfifo(QFile::encodeName(box.path("pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(box.path("pipe"), box.path(file)));
    } else if (kind == "zero") {
        QVERIFY(QDir(box.folder()).mkpath("Graphics"));
        QVERIFY(QFile::link("/dev/zero", box.path(file)));
    } else {
        box.write(file, content);
    }
    frmMainGameWindow *map = box.openMap();
    QCOMPARE(box.messages.size(), 1);
    QVERIFY2(box.messages[0].startsWith("Error: 481 : "), qPrintable(box.messages[0]));
    QCOMPARE(box.ends, QList<int>{1});
    QVERIFY(!map);
    if (kind == "no character")
        QVERIFY(!box.exists("Character.chx"));
    else
        QCOMPARE(box.read("Character.chx"), character);
}

// While start-up waits in its message box, ticks change nothing.
void tst_frmMainGameWindow::startUpHoldsTheEnemyClock()
{
    Sandbox box;
    bool pausedDuringMessage = false;
    box.onMessage = [&](const QString &) { pausedDuringMessage = modGameLogicCode::EnemiesPaused; };
    frmMainGameWindow *map = box.openMap();
    QVERIFY(pausedDuringMessage);
    QVERIFY(!modGameLogicCode::EnemiesPaused);
    QVERIFY(map);
}

// Whether a box shows the colour symbol of that name.
static bool showsSymbol(const PictureBox *box, const QString &name)
{
    return !box->picture().isNull() && box->picture().toImage() == GamePictures::colourSymbol(name).toImage();
}

// Whether the map shows the colour symbols: the first enemy, which has no
// picture of its own in these tests, shows its group's.
static bool symbolsOn(const frmMainGameWindow *map)
{
    return showsSymbol(map->controls().pic_Enemy[0], QStringLiteral("Enemy_0.bmp"));
}

// The files of a folder and everything in it, with their contents.
static QMap<QString, QByteArray> contentsOf(const QString &folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        all[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(folder)");
    }
    return all;
}

// F2 on the map puts the built-in symbols on every enemy and on the
// player, except where the Graphics folder has a picture of its own, and
// marks the skill bars; F2 again takes them away. The choice goes to the
// settings file at once, and nothing in the character's folder changes.
void tst_frmMainGameWindow::f2SwitchesTheColourSymbols()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    box.write("Graphics/Player.bmp", bitmapFile({16, 16}, Qt::blue));
    box.write("Graphics/Enemy_7.bmp", bitmapFile({16, 16}, Qt::gray));
    frmMainGameWindow *map = box.openMap();
    QVERIFY(!symbolsOn(map));
    const auto &enemies = map->controls().pic_Enemy;
    auto *skills = control<QGroupBox>(map, "frm_Skills");
    const QImage plainSkills = skills->grab().toImage();
    const QMap<QString, QByteArray> before = contentsOf(box.folder());
    auto *world = control<PictureBox>(map, "pic_WorldMap");

    QTest::keyClick(world, Qt::Key_F2);
    QVERIFY(symbolsOn(map));
    for (int i = 0; i < 21; ++i) {
        if (i != 7)
            QVERIFY2(showsSymbol(enemies[i], QStringLiteral("Enemy_%1.bmp").arg(i)), qPrintable(QString::number(i)));
    }
    QCOMPARE(enemies[7]->picture().toImage().pixelColor(0, 0), QColor(Qt::gray));
    QVERIFY(showsSymbol(map->controls().pic_Player, "Player_Healing.bmp"));
    QCOMPARE(control<PictureBox>(map, "pic_LoadedPlayer")->picture().toImage().pixelColor(0, 0), QColor(Qt::blue));
    // Each bar's start shows its group's symbol; the bars keep their levels.
    const QImage markedSkills = skills->grab().toImage();
    const QImage violetSymbol =
        GamePictures::colourSymbol("Enemy_0.bmp").toImage().convertToFormat(QImage::Format_RGB32);
    const QRect violetBar = map->controls().skillBars[0]->geometry();
    QCOMPARE(markedSkills.copy(QRect(violetBar.topLeft(), QSize(16, 16))).convertToFormat(QImage::Format_RGB32),
             violetSymbol);
    for (const PictureBox *bar : map->controls().skillBars)
        QCOMPARE(bar->widthTwips(), 150.0f);
    const auto settings = [] {
        QFile file(PlayerSettings::path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    };
    QCOMPARE(settings(), QByteArray("[Map]\nColourSymbols=true\n"));
    QVERIFY(PlayerSettings::path().startsWith(box.configFolder() + "/"));
    QCOMPARE(contentsOf(box.folder()), before);

    // Moving on keeps the symbol of the square the player stands on.
    QTest::keyClick(world, Qt::Key_Up);
    QCOMPARE(map->controls().pic_Player->picture().toImage().pixelColor(0, 0), QColor(Qt::blue));
    QTest::keyClick(world, Qt::Key_Down);
    QVERIFY(showsSymbol(map->controls().pic_Player, "Player_Healing.bmp"));

    // Held down, F2 switches once.
    QTest::keyPress(world, Qt::Key_F2);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(world, &repeated);
    QTest::keyRelease(world, Qt::Key_F2);
    QVERIFY(!symbolsOn(map));
    for (int i = 0; i < 21; ++i) {
        if (i != 7)
            QVERIFY(enemies[i]->picture().isNull());
    }
    QCOMPARE(enemies[7]->picture().toImage().pixelColor(0, 0), QColor(Qt::gray));
    QVERIFY(map->controls().pic_Player->picture().isNull());
    QCOMPARE(skills->grab().toImage(), plainSkills);
    QCOMPARE(settings(), QByteArray("[Map]\nColourSymbols=false\n"));
    QCOMPARE(contentsOf(box.folder()), before);

    // From a "+" button too.
    QTest::keyClick(control<QPushButton>(map, "cmd_ST_gain"), Qt::Key_F2);
    QVERIFY(symbolsOn(map));
}

// The next map window starts as the last one was left.
void tst_frmMainGameWindow::colourSymbolsAreRemembered()
{
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    QTest::keyClick(control<PictureBox>(box.openMap(), "pic_WorldMap"), Qt::Key_F2);
    frmMainGameWindow *again = box.openMap();
    QVERIFY(symbolsOn(again));
    QVERIFY(showsSymbol(again->controls().pic_Enemy[20], "Enemy_20.bmp"));
    QVERIFY(showsSymbol(again->controls().pic_Player, "Player_Healing.bmp"));
    QTest::keyClick(control<PictureBox>(again, "pic_WorldMap"), Qt::Key_F2);
    QVERIFY(!symbolsOn(box.openMap()));
}

// A settings file that cannot be used is no error: the game starts
// without symbols, and F2 still switches them for this run.
void tst_frmMainGameWindow::unusableSettingsGiveNoSymbols_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("symbols");
    // The game sounds unless the file says plainly that it does not.
    QTest::addColumn<bool>("sound");
    QTest::newRow("on") << QByteArray("[Map]\nColourSymbols=true\n") << true << true;
    QTest::newRow("off") << QByteArray("[Map]\nColourSymbols=false\n") << false << true;
    QTest::newRow("silenced") << QByteArray("[Map]\nColourSymbols=true\n[Sound]\nOn=false\n") << true << false;
    QTest::newRow("empty") << QByteArray() << false << true;
    QTest::newRow("not a word") << QByteArray("[Map]\nColourSymbols=yes please\n[Sound]\nOn=no\n") << false << true;
    QTest::newRow("cut off") << QByteArray("[Sound]\nOn=fals") << false << true;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[Map\0=\x80", 24) << false << true;
    QTest::newRow("a folder") << QByteArray("folder") << false << true;
}

void tst_frmMainGameWindow::unusableSettingsGiveNoSymbols()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, symbols);
    QFETCH(bool, sound);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    const QString file = PlayerSettings::path();
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    if (content == "folder") {
        QVERIFY(QDir().mkpath(file));
    } else {
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(content);
    }
    frmMainGameWindow *map = box.openMap();
    QVERIFY(box.messages.isEmpty());
    QVERIFY(map);
    QCOMPARE(symbolsOn(map), symbols);
    QCOMPARE(PlayerSettings::sound(), sound);
    QTest::keyClick(control<PictureBox>(map, "pic_WorldMap"), Qt::Key_F2);
    QCOMPARE(symbolsOn(map), !symbols);
    QVERIFY(box.messages.isEmpty());
}

QTEST_MAIN(tst_frmMainGameWindow)

#include "startup.moc"
