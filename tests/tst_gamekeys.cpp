#include "testsupport.h"

#include "battle/frmbattlecontrol.h"
#include "help/gamekeys.h"
#include "help/helpkey.h"
#include "help/helpwindow.h"
#include "map/frmmaingamewindow.h"
#include "system/randomsource.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using GameKeys::Window;

namespace {

// Draws that make every roll 1: each battle move is a miss and harmless.
const QList<float> Harmless(40, 0.01f);

// What a key may change on a window: the focus, every caption, every
// marker's place and visibility, the picture, the help's place and
// selection, and what there is to paste.
struct Look
{
    QWidget *focus = nullptr;
    QStringList captions;
    QImage picture;
    bool visible = false;

    explicit Look(QWidget *window)
        : focus(QApplication::focusWidget())
        , picture(window->grab().toImage())
        , visible(window->isVisible())
    {
        captions << QGuiApplication::clipboard()->text();
        for (const QLabel *label : window->findChildren<QLabel *>())
            captions << label->text();
        for (const PictureBox *box : window->findChildren<PictureBox *>())
            captions << QStringLiteral("%1 %2 %3").arg(box->left()).arg(box->top()).arg(box->isVisibleTo(window));
        if (auto *help = qobject_cast<HelpWindow *>(window)) {
            const QTextCursor cursor = help->browser()->textCursor();
            captions << QString::number(help->browser()->verticalScrollBar()->value())
                     << QStringLiteral("%1-%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd());
        }
    }
    bool operator==(const Look &other) const
    {
        return focus == other.focus && captions == other.captions && picture == other.picture
            && visible == other.visible;
    }
};

// The text a key gives: its character for the printable keys (letters in
// lower case unless shifted), none for the others.
QString textOf(QKeyCombination press)
{
    const int key = press.key();
    if (key < Qt::Key_Space || key > Qt::Key_AsciiTilde)
        return QString();
    const QChar character(key);
    return press.keyboardModifiers() & Qt::ShiftModifier ? QString(character) : QString(character.toLower());
}

void click(QWidget *target, QKeyCombination press)
{
    QTest::sendKeyEvent(QTest::Press, target, press.key(), textOf(press), press.keyboardModifiers());
    QTest::sendKeyEvent(QTest::Release, target, press.key(), textOf(press), press.keyboardModifiers());
}

QString nameOf(QKeyCombination press)
{
    return QKeySequence(press).toString(QKeySequence::PortableText);
}

// Every key a player could press: the named keys from Escape to F12, the
// printable ones, alone and with Shift, Ctrl and Alt.
QList<QKeyCombination> everyKey()
{
    QList<int> keys;
    for (int key = Qt::Key_Escape; key <= Qt::Key_F12; ++key) {
        if (!QKeySequence(key).toString(QKeySequence::PortableText).isEmpty())
            keys << key;
    }
    for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key) {
        // Qt names letters by their capitals only.
        if (key < 'a' || key > 'z')
            keys << key;
    }
    QList<QKeyCombination> presses;
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier)}) {
        for (int key : keys)
            presses << QKeyCombination(modifiers, Qt::Key(key));
    }
    return presses;
}

bool listed(Window window, QKeyCombination press)
{
    // Shift+Tab arrives as Shift+Backtab, whichever way it is sent.
    if (press.key() == Qt::Key_Backtab || (press.key() == Qt::Key_Tab && press.keyboardModifiers() & Qt::ShiftModifier))
        press = QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab);
    for (const GameKeys::Key &key : GameKeys::of(window)) {
        if (key.presses.contains(press))
            return true;
    }
    return false;
}

} // namespace

// The table of keys (GameKeys) that the help lists against the keys the
// game acts on: every listed key does something on its window, and no key
// missing from the table does anything there.
class tst_GameKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listedKeysAct_data();
    void listedKeysAct();
    void unlistedKeysDoNothing_data();
    void unlistedKeysDoNothing();
    void onlyCharacterKeysStartTheGame();

private:
    // The map after start-up with points to spend, the player in the middle
    // of the map and no enemy shown, so that no key starts a battle.
    frmMainGameWindow *openMap(bool shown = true);
    std::unique_ptr<frmBattleControl> openBattle(frmMainGameWindow *map);
    // Whether `press` does anything to `window`, the key going to its focus.
    static bool acts(QWidget *window, QKeyCombination press);

    Sandbox *m_sandbox = nullptr;
};

void tst_GameKeys::init()
{
    m_sandbox = new Sandbox;
    QStringList lines = Sandbox::defaultLines();
    lines[7] = QStringLiteral("pts=5");
    m_sandbox->writeCharacter(lines);
}

void tst_GameKeys::cleanup()
{
    RandomSource::clearScript();
    delete m_sandbox;
    m_sandbox = nullptr;
}

frmMainGameWindow *tst_GameKeys::openMap(bool shown)
{
    frmMainGameWindow *map = m_sandbox->openMap();
    map->Timer1->stop();
    for (PictureBox *enemy : map->controls().pic_Enemy)
        enemy->hide();
    place(map->controls().pic_Player, 168, 168);
    if (!shown)
        return map;
    map->show();
    if (!QTest::qWaitForWindowActive(map))
        qFatal("the map window did not become active");
    control<PictureBox>(map, "pic_WorldMap")->setFocus();
    return map;
}

std::unique_ptr<frmBattleControl> tst_GameKeys::openBattle(frmMainGameWindow *map)
{
    map->controls().lbl_EnemyTag->setText(QStringLiteral("20"));
    RandomSource::script(Harmless);
    auto battle = std::make_unique<frmBattleControl>(map->controls());
    battle->show();
    if (!QTest::qWaitForWindowActive(battle.get()))
        qFatal("the battle window did not become active");
    return battle;
}

bool tst_GameKeys::acts(QWidget *window, QKeyCombination press)
{
    const Look before(window);
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    if (press.key() == GameKeys::Help)
        return helpOpensOn(target, press);
    click(target, press);
    return !(Look(window) == before);
}

void tst_GameKeys::listedKeysAct_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<int>("press");
    for (const GameKeys::Key &key : GameKeys::all()) {
        // The desktop's own keys (closing a window) are not the game's to press.
        if (key.desktop)
            continue;
        for (QKeyCombination press : key.presses)
            QTest::addRow("%d %s", int(key.window), qPrintable(nameOf(press))) << key.window << press.toCombined();
    }
}

void tst_GameKeys::listedKeysAct()
{
    QFETCH(Window, window);
    QFETCH(int, press);
    const QKeyCombination key = QKeyCombination::fromCombined(press);
    HelpKey::install();
    switch (window) {
    case Window::Title: {
        frmSplash title;
        title.show();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        if (key.key() == GameKeys::Help)
            QVERIFY(helpOpensOn(&title, key));
        else {
            click(&title, key);
            QVERIFY(title.mapWindow());
        }
        break;
    }
    case Window::Map: {
        frmMainGameWindow *map = openMap();
        // Space is for the "+" button that has the focus.
        if (key.key() == Qt::Key_Space)
            control<QPushButton>(map, "cmd_ST_gain")->setFocus();
        QVERIFY(acts(map, key));
        break;
    }
    case Window::Battle: {
        frmMainGameWindow *map = openMap(false);
        const BattlesExpected expected;
        std::unique_ptr<frmBattleControl> battle = openBattle(map);
        QVERIFY(acts(battle.get(), key));
        break;
    }
    case Window::Help: {
        HelpWindow help(nullptr);
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        // Half way down, so that every way of scrolling has room to go.
        QScrollBar *bar = help.browser()->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        // Return and Enter follow the link that Tab has reached; Ctrl+C
        // copies what Ctrl+A has selected.
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
            QTest::keyClick(help.browser(), Qt::Key_Tab);
        if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_C)) {
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(help.browser(), Qt::Key_A, Qt::ControlModifier);
        }
        QVERIFY(acts(&help, key));
        break;
    }
    case Window::MessageBox: {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Chromaland"), QStringLiteral("A message"),
                        QMessageBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(acts(&box, key));
        QVERIFY(!box.isVisible());
        break;
    }
    }
}

void tst_GameKeys::unlistedKeysDoNothing_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("map") << Window::Map;
    QTest::newRow("battle") << Window::Battle;
    QTest::newRow("help") << Window::Help;
}

// Every key not in the table, pressed on the window: nothing changes. A key
// that acts is reported, and the window made afresh.
void tst_GameKeys::unlistedKeysDoNothing()
{
    QFETCH(Window, window);
    HelpKey::install();
    QStringList acting;
    std::unique_ptr<frmBattleControl> battle;
    std::unique_ptr<HelpWindow> help;
    const BattlesExpected expected;
    const auto fresh = [&]() -> QWidget * {
        battle.reset();
        help.reset();
        switch (window) {
        case Window::Battle:
            battle = openBattle(openMap(false));
            return battle.get();
        case Window::Help:
            help = std::make_unique<HelpWindow>(nullptr);
            help->show();
            if (!QTest::qWaitForWindowActive(help.get()))
                qFatal("the help did not become active");
            help->browser()->verticalScrollBar()->setValue(help->browser()->verticalScrollBar()->maximum() / 2);
            return help.get();
        default:
            return openMap();
        }
    };
    QWidget *shown = fresh();
    for (QKeyCombination press : everyKey()) {
        if (listed(window, press))
            continue;
        if (acts(shown, press)) {
            acting << nameOf(press);
            shown = fresh();
        }
    }
    QVERIFY2(acting.isEmpty(), qPrintable(QStringLiteral("not in the list of keys: ") + acting.join(QLatin1String(", "))));
}

// The title: exactly the keys that give a character start the game; F1
// opens the help instead.
void tst_GameKeys::onlyCharacterKeysStartTheGame()
{
    HelpKey::install();
    QStringList wrong;
    for (QKeyCombination press : everyKey()) {
        if (press.key() == GameKeys::Help)
            continue;
        frmSplash title;
        title.show();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        click(&title, press);
        const bool character = !textOf(press).isEmpty();
        if (bool(title.mapWindow()) != character)
            wrong << nameOf(press);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(", "))));
}

QTEST_MAIN(tst_GameKeys)
#include "tst_gamekeys.moc"
