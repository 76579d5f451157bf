#include "testsupport.h"

#include "battle/frmbattlecontrol.h"
#include "forms/messagebox.h"
#include "keys/gamekeys.h"
#include "input/gamepadkeys.h"
#include "input/functionkeys.h"
#include "help/helpwindow.h"
#include "hall/hallmodel.h"
#include "hall/hallwindow.h"
#include "logic/fallenhistory.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/randomsource.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <SDL.h>

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
            const QTextCursor cursor = helpText(help)->textCursor();
            captions << QString::number(helpText(help)->verticalScrollBar()->value())
                     << QStringLiteral("%1-%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd());
        }
        if (auto *hall = qobject_cast<HallWindow *>(window))
            captions << QString::number(hallTable(hall)->currentIndex().row())
                     << control<QPlainTextEdit>(hall, "hallRecord")->toPlainText();
    }
    bool operator==(const Look &other) const
    {
        return focus == other.focus && captions == other.captions && picture == other.picture
            && visible == other.visible;
    }
};

// How a window looks once it has stopped changing by itself (at most a
// second): a lazy layout finishing under load is no press's doing.
Look settled(QWidget *window)
{
    Look look(window);
    QElapsedTimer waited;
    waited.start();
    for (int quiet = 0; quiet < 3 && waited.elapsed() < 1000;) {
        QTest::qWait(20);
        Look now(window);
        quiet = now == look ? quiet + 1 : 0;
        look = std::move(now);
    }
    return look;
}

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
    return GameKeys::name(press);
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

// An input of a controller: one of its buttons, or a stick or trigger
// pushed all the way one way.
struct Input
{
    Gamepad::Button button = Gamepad::Button::A;
    int axis = -1;
    int value = 0;
};

QList<std::pair<QByteArray, Input>> everyInput()
{
    QList<std::pair<QByteArray, Input>> inputs;
    const QMetaEnum names = QMetaEnum::fromType<Gamepad::Button>();
    for (int button = 0; button < Gamepad::ButtonCount; ++button)
        inputs.append({names.valueToKey(button), {Gamepad::Button(button)}});
    // The left stick stands for the d-pad; the right one and the triggers
    // for nothing.
    inputs.append({"stick left", {Gamepad::Button::DpadLeft, SDL_CONTROLLER_AXIS_LEFTX, -32768}});
    inputs.append({"stick right", {Gamepad::Button::DpadRight, SDL_CONTROLLER_AXIS_LEFTX, 32767}});
    inputs.append({"stick up", {Gamepad::Button::DpadUp, SDL_CONTROLLER_AXIS_LEFTY, -32768}});
    inputs.append({"stick down", {Gamepad::Button::DpadDown, SDL_CONTROLLER_AXIS_LEFTY, 32767}});
    inputs.append({"right stick", {Gamepad::Button::Guide, SDL_CONTROLLER_AXIS_RIGHTX, 32767}});
    inputs.append({"trigger", {Gamepad::Button::Guide, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767}});
    return inputs;
}

} // namespace

Q_DECLARE_METATYPE(Input)
Q_DECLARE_METATYPE(GameKeys::Effect)

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
    void anEnemyOnYourSquareAsListed_data();
    void anEnemyOnYourSquareAsListed();
    void buttonsActAsTheirKeys_data();
    void buttonsActAsTheirKeys();
    void aControllerPlaysABattleAndSpendsAPoint();
    void saveAndQuit_data();
    void saveAndQuit();
    void helpByLinesAndPages_data();
    void helpByLinesAndPages();
    void hallRecordScrollsAndCloses();
    void controllersComeAndGo();

private:
    // The map after start-up with points to spend, the player in the middle
    // of the map and no enemy shown, so that no key starts a battle; a
    // screen reader listens, to hear what keys say.
    frmMainGameWindow *openMap(bool shown = true);
    std::unique_ptr<frmBattleControl> openBattle(frmMainGameWindow *map);
    // `window` shown and active, ready for keys: the help scrolled half way
    // down, the middle one of three fallen chosen in the hall. It lives
    // until the next one or the end of the test.
    QWidget *show(Window window);
    // Whether `press` does anything to `window`, the key going to its focus.
    static bool acts(QWidget *window, QKeyCombination press);
    bool fightsOrDoesNothing(QKeyCombination key, GameKeys::Effect effect);

    Sandbox *m_sandbox = nullptr;
    Gamepad *m_gamepad = nullptr;
    std::unique_ptr<QWidget> m_shown;
    // The battle and the box are modal and the test's own: the sandbox's
    // watchdog, which closes modal windows nobody expected, must leave them
    // be however long a slow build takes over the row.
    std::optional<BattlesExpected> m_expected;
    std::optional<ReaderListening> m_reader;
};

void tst_GameKeys::init()
{
    if (!m_gamepad) {
        m_gamepad = new Gamepad(qApp);
        new GamepadKeys(m_gamepad);
        if (!m_gamepad->start())
            qFatal("no game controllers: %s", qPrintable(m_gamepad->error()));
    }
    m_sandbox = new Sandbox;
    QStringList lines = Sandbox::defaultLines();
    lines[7] = QStringLiteral("pts=5");
    m_sandbox->writeCharacter(lines);
}

void tst_GameKeys::cleanup()
{
    m_reader.reset();
    m_shown.reset();
    m_expected.reset();
    RandomSource::clearScript();
    delete m_sandbox;
    m_sandbox = nullptr;
}

frmMainGameWindow *tst_GameKeys::openMap(bool shown)
{
    frmMainGameWindow *map = m_sandbox->openMap();
    clockOf(map)->stop();
    for (PictureBox *enemy : map->controls().pic_Enemy)
        enemy->hide();
    place(map->controls().pic_Player, 168, 168);
    m_reader.emplace();
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

QWidget *tst_GameKeys::show(Window window)
{
    m_shown.reset();
    m_expected.reset();
    switch (window) {
    case Window::Title:
        m_shown = std::make_unique<frmSplash>();
        break;
    case Window::Map:
        return openMap();
    case Window::Battle:
        m_expected.emplace();
        m_shown = openBattle(openMap(false));
        return m_shown.get();
    case Window::Help:
        m_shown = std::make_unique<HelpWindow>(nullptr);
        break;
    case Window::Hall:
        writeThreeFallen();
        m_shown = std::make_unique<HallWindow>(nullptr);
        break;
    case Window::MessageBox:
        m_expected.emplace();
        m_shown = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Chromaland"),
                                                QStringLiteral("A message"), QMessageBox::Ok);
        break;
    case Window::Question:
        m_expected.emplace();
        m_shown = MessageBox::question(QStringLiteral("Save and quit?"), QStringLiteral("Save and quit"),
                                       QStringLiteral("Play on"), nullptr);
        break;
    }
    m_shown->show();
    if (!QTest::qWaitForWindowActive(m_shown.get()))
        qFatal("the window did not become active");
    if (auto *help = qobject_cast<HelpWindow *>(m_shown.get())) {
        // The whole text laid out now, not bit by bit while keys are pressed,
        // and half way down, so that every way of scrolling has room to go.
        helpText(help)->document()->size();
        helpText(help)->verticalScrollBar()->setValue(helpText(help)->verticalScrollBar()->maximum() / 2);
    }
    if (auto *hall = qobject_cast<HallWindow *>(m_shown.get())) {
        // Up and down both move.
        hallTable(hall)->setCurrentIndex(hallModel(hall)->index(1, 0));
    }
    // Ctrl+C copies what is not on the clipboard before.
    QGuiApplication::clipboard()->clear();
    return m_shown.get();
}

bool tst_GameKeys::acts(QWidget *window, QKeyCombination press)
{
    const Look before(window);
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    if (press.key() == GameKeys::Help)
        return helpOpensOn(target, press);
    if (press.key() == GameKeys::Hall)
        return hallOpensOn([&] { click(target, press); });
    if (press == GameKeys::SaveAndQuit && qobject_cast<frmMainGameWindow *>(window))
        return questionOpensOn([&] { click(target, press); });
    click(target, press);
    return !(Look(window) == before);
}

void tst_GameKeys::listedKeysAct_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<int>("press");
    QTest::addColumn<GameKeys::Effect>("effect");
    for (const GameKeys::Key &key : GameKeys::all()) {
        // The desktop's own keys (closing a window) are not the game's to press.
        if (key.desktop)
            continue;
        for (QKeyCombination press : key.presses)
            QTest::addRow("%d %s", int(key.window), qPrintable(nameOf(press)))
                << key.window << press.toCombined() << key.effect;
    }
}

// With an enemy on the player's square, a key of a row that fights starts
// its battle; a key of a row that does nothing changes nothing at all.
bool tst_GameKeys::fightsOrDoesNothing(QKeyCombination key, GameKeys::Effect effect)
{
    frmMainGameWindow *map = openMap();
    PictureBox *enemy = map->controls().pic_Enemy[20];
    place(enemy, 168, 168);
    enemy->show();
    const BattleScript battles(map);
    const Look before(map);
    click(QApplication::focusWidget(), key);
    if (effect == GameKeys::Effect::Fights)
        return battles.tags == QStringList{QStringLiteral("20")};
    return battles.tags.isEmpty() && Look(map) == before;
}

void tst_GameKeys::listedKeysAct()
{
    QFETCH(Window, window);
    QFETCH(int, press);
    QFETCH(GameKeys::Effect, effect);
    const QKeyCombination key = QKeyCombination::fromCombined(press);
    FunctionKeys::install();
    if (effect != GameKeys::Effect::Acts) {
        QVERIFY(fightsOrDoesNothing(key, effect));
        return;
    }
    QWidget *shown = show(window);
    // Space is for the map's "+" button that has the focus.
    if (auto *plus = shown->findChild<QPushButton *>(QStringLiteral("cmd_ST_gain")); plus && key.key() == Qt::Key_Space)
        plus->setFocus();
    if (window == Window::Title && key.key() != GameKeys::Help && key.key() != GameKeys::Hall
        && key.key() != GameKeys::SoundSwitch) {
        click(shown, key);
        QVERIFY(shownMap());
        return;
    }
    // Return and Enter follow the link that Tab has reached in the help;
    // Ctrl+C copies what Ctrl+A has selected.
    if (window == Window::Help && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter))
        QTest::keyClick(helpText(qobject_cast<HelpWindow *>(shown)), Qt::Key_Tab);
    if (window == Window::Help && key == QKeyCombination(Qt::ControlModifier, Qt::Key_C))
        QTest::keyClick(helpText(qobject_cast<HelpWindow *>(shown)), Qt::Key_A, Qt::ControlModifier);
    QVERIFY(acts(shown, key));
    if (window == Window::MessageBox)
        QVERIFY(!shown->isVisible());
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
    FunctionKeys::install();
    QStringList acting;
    const BattlesExpected expected;
    QWidget *shown = show(window);
    for (QKeyCombination press : everyKey()) {
        if (listed(window, press))
            continue;
        if (acts(shown, press)) {
            acting << nameOf(press);
            shown = show(window);
        }
    }
    QVERIFY2(acting.isEmpty(),
             qPrintable(QStringLiteral("not in the list of keys: ") + acting.join(QLatin1String(", "))));
}

// The title: exactly the keys that give a character start the game; F1
// opens the help instead.
void tst_GameKeys::onlyCharacterKeysStartTheGame()
{
    FunctionKeys::install();
    QStringList wrong;
    // The keys that do nothing on the map: the desktop's and the reader's.
    QList<QKeyCombination> presses = everyKey();
    for (const GameKeys::Key &key : GameKeys::of(Window::Map)) {
        if (key.effect == GameKeys::Effect::Nothing)
            presses << key.presses;
    }
    for (QKeyCombination press : presses) {
        if (press.key() == GameKeys::Help || press.key() == GameKeys::Hall)
            continue;
        frmSplash title;
        title.show();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        click(&title, press);
        const bool character = !textOf(press).isEmpty();
        if (bool(shownMap()) != character)
            wrong << nameOf(press);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(", "))));
}

void tst_GameKeys::anEnemyOnYourSquareAsListed_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("points");
    QTest::newRow("in the middle, with points") << 10 << 10 << true;
    QTest::newRow("in the middle, no points") << 10 << 10 << false;
    QTest::newRow("in the top left corner, no points") << 0 << 0 << false;
}

// The table executed: with an enemy on the player's square, every key on
// the map (and every modifier or lock key alone) starts the battle exactly
// when its row, or the row of the other keys, says it does.
void tst_GameKeys::anEnemyOnYourSquareAsListed()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, points);
    using GameKeys::Encounter;
    FunctionKeys::install();
    if (!points) {
        QStringList lines = Sandbox::defaultLines();
        lines[7] = QStringLiteral("pts=0");
        m_sandbox->writeCharacter(lines);
    }
    frmMainGameWindow *map = openMap();
    BattleScript battles(map);
    PictureBox *player = map->controls().pic_Player;
    PictureBox *enemy = map->controls().pic_Enemy[20];
    const float left = GameRules::FirstSquare + GameRules::Step * column;
    const float top = GameRules::FirstSquare + GameRules::Step * row;
    QList<QKeyCombination> presses = everyKey();
    for (Qt::Key alone : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta, Qt::Key_Super_L,
                          Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Insert})
        presses << QKeyCombination(alone);
    // Ctrl+Q's question is declined as soon as it is asked.
    const BattlesExpected expected;
    QTimer decline;
    connect(&decline, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->reject();
    });
    decline.start(20);
    QStringList wrong;
    for (QKeyCombination press : presses) {
        const Encounter encounter = GameKeys::encounterOf(press);
        // The desktop's own keys never reach the game.
        if (press == QKeyCombination(Qt::AltModifier, Qt::Key_F4))
            continue;
        place(player, left, top);
        place(enemy, left, top);
        enemy->show();
        control<PictureBox>(map, "pic_WorldMap")->setFocus();
        const qsizetype before = battles.tags.size();
        if (press == QKeyCombination(GameKeys::Help))
            helpOpensOn(map, press);
        else if (press == QKeyCombination(GameKeys::Hall))
            hallOpensOn([&] { click(map->focusWidget(), press); });
        else
            click(map->focusWidget(), press);
        const bool fought = battles.tags.size() > before;
        const bool stays = player->left() == left && player->top() == top;
        const bool listed = encounter == Encounter::Fights || (encounter == Encounter::WhereItLeavesYou && stays)
            || (encounter == Encounter::WithoutPoints && !points);
        if (fought != listed)
            wrong << QStringLiteral("%1 %2").arg(nameOf(press),
                                                 fought ? QStringLiteral("fights") : QStringLiteral("does not fight"));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(", "))));
}

void tst_GameKeys::buttonsActAsTheirKeys_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<Input>("input");
    for (const Window window : {Window::Title, Window::Map, Window::Battle, Window::Help, Window::Hall,
                                Window::MessageBox, Window::Question}) {
        for (const auto &[name, input] : everyInput())
            QTest::addRow("%d %s", int(window), name.constData()) << window << input;
    }
}

// Every button and stick the table lists for a window does there what its
// key does; every other does nothing at all.
void tst_GameKeys::buttonsActAsTheirKeys()
{
    QFETCH(Window, window);
    QFETCH(Input, input);
    // The right stick and the triggers stand for no button at all.
    const bool stray =
        input.axis >= 0 && input.axis != SDL_CONTROLLER_AXIS_LEFTX && input.axis != SDL_CONTROLLER_AXIS_LEFTY;
    const std::optional<QKeyCombination> key = stray ? std::nullopt : GameKeys::pressOf(window, input.button);
    // The key the input stands for; none is Qt::Key_unknown.
    const QKeyCombination combination = key.value_or(QKeyCombination(Qt::Key_unknown));
    const int pressed = combination.key();
    FunctionKeys::install();
    VirtualPad pad(*m_gamepad);
    const auto push = [&] { pad.press(input.button, input.axis, input.value); };
    const auto acts = [&](QWidget *shown) {
        if (pressed == GameKeys::Help)
            return helpOpensOn(push);
        if (pressed == GameKeys::Hall)
            return hallOpensOn(push);
        if (combination == GameKeys::SaveAndQuit)
            return questionOpensOn(push);
        // What the window still has to do after showing is not the press's:
        // under load the help's text is still being laid out.
        QCoreApplication::processEvents();
        const Look before = qobject_cast<HelpWindow *>(shown) ? settled(shown) : Look(shown);
        push();
        return !(Look(shown) == before);
    };
    QWidget *shown = show(window);
    if (auto *plus = shown->findChild<QPushButton *>(QStringLiteral("cmd_ST_gain")); plus && pressed == Qt::Key_Space)
        plus->setFocus();
    // A follows the link that X (Tab) has reached in the help.
    if (window == Window::Help && pressed == Qt::Key_Return)
        QTest::keyClick(helpText(qobject_cast<HelpWindow *>(shown)), Qt::Key_Tab);
    if (window == Window::Title && pressed != GameKeys::Help && pressed != GameKeys::Hall) {
        push();
        QCOMPARE(bool(shownMap()), bool(key));
    } else {
        QCOMPARE(acts(shown), bool(key));
    }
    if (window == Window::MessageBox || window == Window::Question)
        QCOMPARE(shown->isVisible(), !key);
}

// A whole round with the controller alone: the d-pad walks onto an enemy,
// the battle that opens is won with A and left with B, and a point is
// spent with RB and A, after which the d-pad moves the player at once.
void tst_GameKeys::aControllerPlaysABattleAndSpendsAPoint()
{
    QStringList lines = Sandbox::defaultLines();
    lines[0] = QStringLiteral("ST=1000");
    lines[1] = QStringLiteral("DX=1000");
    lines[7] = QStringLiteral("pts=1");
    m_sandbox->writeCharacter(lines);
    frmMainGameWindow *map = openMap();
    const MapControls &controls = map->controls();
    PictureBox *enemy = controls.pic_Enemy[20];
    place(enemy, 168, 184);
    enemy->show();
    VirtualPad pad(*m_gamepad);
    RandomSource::script(QList<float>(40, 0.5f));
    const BattlesExpected expected;
    QString enemyHealth;
    bool retreated = false;
    QTimer inBattle;
    inBattle.setSingleShot(true);
    connect(&inBattle, &QTimer::timeout, [&] {
        auto *battle = qobject_cast<frmBattleControl *>(QApplication::activeModalWidget());
        // The controller, as the keyboard, plays in the window that has the
        // keyboard: the battle, once the window system has given it.
        if (!battle || !QTest::qWaitFor([battle] { return QGuiApplication::focusWindow() == battle->windowHandle(); }))
            return;
        QLabel *health = control<QLabel>(battle, "lbl_Enemy_HP_val");
        pad.press(Gamepad::Button::A);
        // A button's letter clicks it a moment later, as it shows the press.
        (void)QTest::qWaitFor([health] { return health->text() == QLatin1String("DEAD"); });
        enemyHealth = health->text();
        pad.press(Gamepad::Button::B);
        retreated = QTest::qWaitFor([battle] { return !battle->isVisible(); });
        if (!retreated)
            battle->hide();
    });
    inBattle.start(0);
    pad.press(Gamepad::Button::DpadDown);
    QCOMPARE(enemyHealth, QStringLiteral("DEAD"));
    QVERIFY(retreated);
    QVERIFY(!enemy->isVisibleTo(map));
    QCOMPARE(controls.pic_Player->top(), 184.0f);
    const QString points = control<QLabel>(map, "lbl_Points_val")->text();
    const QString strength = control<QLabel>(map, "lbl_ST_val")->text();
    // What the desktop does when the battle closes; the test platform has
    // no desktop to do it.
    map->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(map));
    pad.press(Gamepad::Button::RightShoulder);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(map, "cmd_ST_gain"));
    pad.press(Gamepad::Button::A);
    QCOMPARE(control<QLabel>(map, "lbl_ST_val")->text(), QString::number(strength.toInt() + 1));
    QCOMPARE(control<QLabel>(map, "lbl_Points_val")->text(), QString::number(points.toInt() - 1));
    pad.press(Gamepad::Button::DpadRight);
    QCOMPARE(controls.pic_Player->left(), 184.0f);
}

void tst_GameKeys::saveAndQuit_data()
{
    QTest::addColumn<bool>("pad");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("quits");
    QTest::newRow("Start, A") << true << int(Gamepad::Button::A) << true;
    QTest::newRow("Start, B") << true << int(Gamepad::Button::B) << false;
    QTest::newRow("Start, Back") << true << int(Gamepad::Button::Back) << false;
    QTest::newRow("Start, Y") << true << int(Gamepad::Button::Y) << false;
    QTest::newRow("Ctrl+Q, Return") << false << int(Qt::Key_Return) << true;
    QTest::newRow("Ctrl+Q, Escape") << false << int(Qt::Key_Escape) << false;
}

// Start on the map, or Ctrl+Q, asks whether to save and quit, and starts
// no battle with the enemy on the player's square. A or Return says yes:
// the map closes as its close button closes it, the character saved and
// the end 0. B, Back or Escape says no, and the game goes on as it was;
// any other button leaves the question up.
void tst_GameKeys::saveAndQuit()
{
    QFETCH(bool, pad);
    QFETCH(int, answer);
    QFETCH(bool, quits);
    FunctionKeys::install();
    frmMainGameWindow *map = openMap();
    PictureBox *enemy = map->controls().pic_Enemy[20];
    place(enemy, 168, 168);
    enemy->show();
    const BattleScript battles(map);
    VirtualPad controller(*m_gamepad);
    const BattlesExpected expected;
    QString asked;
    bool stayed = false;
    QTimer whileAsked;
    whileAsked.setSingleShot(true);
    connect(&whileAsked, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !QTest::qWaitFor([box] { return QGuiApplication::focusWindow() == box->windowHandle(); }))
            return;
        asked = box->text();
        if (pad)
            controller.press(Gamepad::Button(answer));
        else
            QTest::keyClick(box, Qt::Key(answer));
        stayed = !QTest::qWaitFor([box] { return !box->isVisible(); }, 200);
        if (stayed)
            box->reject();
    });
    whileAsked.start(0);
    if (pad) {
        controller.press(Gamepad::Button::Start);
    } else {
        // Q with Ctrl held: Ctrl's own press is a key of its own to the map.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QCOMPARE(asked, QStringLiteral("Save and quit?"));
    QCOMPARE(stayed, answer == int(Gamepad::Button::Y));
    QCOMPARE(battles.tags, QStringList());
    QCOMPARE(m_sandbox->ends, quits ? QList<int>{0} : QList<int>{});
    QCOMPARE(m_sandbox->read(QStringLiteral("Character.chx")).contains("Saved: "), quits);
    QCOMPARE(map->isVisible(), !quits);
}

void tst_GameKeys::helpByLinesAndPages_data()
{
    QTest::addColumn<Gamepad::Button>("button");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("d-pad down: a line down") << Gamepad::Button::DpadDown << 1 << 0;
    QTest::newRow("d-pad up: a line up") << Gamepad::Button::DpadUp << -1 << 0;
    QTest::newRow("RB: a page down") << Gamepad::Button::RightShoulder << 0 << 1;
    QTest::newRow("LB: a page up") << Gamepad::Button::LeftShoulder << 0 << -1;
}

// The help scrolls by lines on the d-pad and by pages on the shoulder
// buttons, as Up, Down, PgUp and PgDown scroll it.
void tst_GameKeys::helpByLinesAndPages()
{
    QFETCH(Gamepad::Button, button);
    QFETCH(int, lines);
    QFETCH(int, pages);
    auto *help = qobject_cast<HelpWindow *>(show(Window::Help));
    const QScrollBar *bar = helpText(help)->verticalScrollBar();
    VirtualPad pad(*m_gamepad);
    const int before = bar->value();
    pad.press(button);
    QCOMPARE(bar->value() - before, lines * bar->singleStep() + pages * bar->pageStep());
}

// A record longer than its box: RB takes the controller from the table to
// the record, the d-pad scrolls it there, and B closes the hall.
void tst_GameKeys::hallRecordScrollsAndCloses()
{
    FallenHistory::Record fallen;
    fallen.died = Sandbox::FixedMoment;
    fallen.archive = QStringLiteral("Dead_23.55.11_06.12.2026.txt");
    fallen.statistics = {"10", "10", "10", "10", "10"};
    fallen.points = QStringLiteral("0");
    fallen.levels = {"1", "1", "1", "1", "1", "1", "1"};
    fallen.earned = FallenHistory::earned(fallen.statistics, fallen.points);
    fallen.killer = GameRules::Red;
    fallen.strength = 9;
    for (int line = 0; line < 60; ++line)
        fallen.lastLines << QStringLiteral("Enemy hits you by +%1 and it inflicts 1 damage.").arg(line);
    QVERIFY(FallenHistory::append(fallen));
    m_shown = std::make_unique<HallWindow>(nullptr);
    m_shown->show();
    QVERIFY(QTest::qWaitForWindowActive(m_shown.get()));
    auto *record = control<QPlainTextEdit>(m_shown.get(), "hallRecord");
    VirtualPad pad(*m_gamepad);
    pad.press(Gamepad::Button::A);
    QVERIFY(record->isVisible());
    pad.press(Gamepad::Button::RightShoulder);
    QCOMPARE(QApplication::focusWidget(), record);
    pad.press(Gamepad::Button::DpadDown);
    pad.press(Gamepad::Button::DpadDown);
    QCOMPARE(record->verticalScrollBar()->value(), 2 * record->verticalScrollBar()->singleStep());
    pad.press(Gamepad::Button::B);
    QVERIFY(!m_shown->isVisible());
}

// A controller plugged in while the game runs plays beside the first; one
// pulled out in the middle of a battle takes nothing with it, and the
// keyboard finishes the battle.
void tst_GameKeys::controllersComeAndGo()
{
    frmMainGameWindow *map = openMap(false);
    const int before = m_gamepad->controllers();
    auto first = std::make_unique<VirtualPad>(*m_gamepad);
    VirtualPad second(*m_gamepad);
    QCOMPARE(m_gamepad->controllers(), before + 2);
    const BattlesExpected expected;
    std::unique_ptr<frmBattleControl> battle = openBattle(map);
    QLabel *status = control<QLabel>(battle.get(), "lbl_Status");
    second.press(Gamepad::Button::Y);
    // A button's letter clicks it a moment later, as it shows the press.
    QTRY_VERIFY(!status->text().isEmpty());
    const QString healed = status->text();
    const QString health = control<QLabel>(battle.get(), "lbl_HP_val")->text();
    first.reset();
    QCOMPARE(m_gamepad->controllers(), before + 1);
    QCOMPARE(control<QLabel>(battle.get(), "lbl_HP_val")->text(), health);
    QCOMPARE(status->text(), healed);
    QVERIFY(battle->isVisible());
    QTest::keyClick(battle.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(!battle->isVisible());
    QCOMPARE(map->controls().lbl_HP_val->text(), health);
}

QTEST_MAIN(tst_GameKeys)
#include "tst_gamekeys.moc"
