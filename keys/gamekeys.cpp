#include "keys/gamekeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <iterator>

namespace GameKeys {

namespace {

// The locks, Insert and the keys held with others, alone.
QString lockOrModifierName(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Insert:
        return QCoreApplication::translate("GameKeys", "Insert");
    case Qt::Key_CapsLock:
        return QCoreApplication::translate("GameKeys", "Caps Lock");
    case Qt::Key_NumLock:
        return QCoreApplication::translate("GameKeys", "Num Lock");
    case Qt::Key_ScrollLock:
        return QCoreApplication::translate("GameKeys", "Scroll Lock");
    // Alone, as they are named held with another key (name() below).
    case Qt::Key_Shift:
        return QCoreApplication::translate("GameKeys", "Shift");
    case Qt::Key_Control:
        return QCoreApplication::translate("GameKeys", "Ctrl");
    case Qt::Key_Alt:
        return QCoreApplication::translate("GameKeys", "Alt");
    //: The key right of the space bar that types a keyboard's third letters.
    case Qt::Key_AltGr:
        return QCoreApplication::translate("GameKeys", "AltGr");
    //: The key with the desktop's or the system's logo.
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Meta:
        return QCoreApplication::translate("GameKeys", "Super");
    default:
        return QKeySequence(key).toString(QKeySequence::PortableText);
    }
}

// A key's own name, from the game's catalogue, so that a translator sees
// every name the help shows. Letters and function keys are as the
// keyboard prints them.
QString baseName(Qt::Key key)
{
    switch (key) {
    //: The names of keys, as keyboards in your language label them.
    case Qt::Key_Escape:
        return QCoreApplication::translate("GameKeys", "Esc");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QCoreApplication::translate("GameKeys", "Tab");
    case Qt::Key_Space:
        return QCoreApplication::translate("GameKeys", "Space");
    case Qt::Key_Return:
        return QCoreApplication::translate("GameKeys", "Return");
    //: The Enter key of the number pad.
    case Qt::Key_Enter:
        return QCoreApplication::translate("GameKeys", "Enter");
    case Qt::Key_Up:
        return QCoreApplication::translate("GameKeys", "Up");
    case Qt::Key_Down:
        return QCoreApplication::translate("GameKeys", "Down");
    case Qt::Key_Left:
        return QCoreApplication::translate("GameKeys", "Left");
    case Qt::Key_Right:
        return QCoreApplication::translate("GameKeys", "Right");
    case Qt::Key_PageUp:
        return QCoreApplication::translate("GameKeys", "PgUp");
    case Qt::Key_PageDown:
        return QCoreApplication::translate("GameKeys", "PgDown");
    case Qt::Key_Home:
        return QCoreApplication::translate("GameKeys", "Home");
    case Qt::Key_End:
        return QCoreApplication::translate("GameKeys", "End");
    default:
        return lockOrModifierName(key);
    }
}

} // namespace

QString name(QKeyCombination key)
{
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    //: The names of the keys held with another, as in "Ctrl+A".
    if (modifiers & Qt::ControlModifier)
        parts << QCoreApplication::translate("GameKeys", "Ctrl");
    if (modifiers & Qt::ShiftModifier)
        parts << QCoreApplication::translate("GameKeys", "Shift");
    if (modifiers & Qt::AltModifier)
        parts << QCoreApplication::translate("GameKeys", "Alt");
    if (key.key() != Qt::Key_unknown)
        parts << baseName(key.key());
    return parts.join(QLatin1Char('+'));
}

namespace {

QString keyNames(const QList<QKeyCombination> &keys)
{
    QStringList names;
    for (QKeyCombination key : keys)
        names.append(name(key));
    // Two keys a language calls alike are one name to the player.
    names.removeDuplicates();
    //: Between the names of keys that do the same ("Enter, Space"); keep it short.
    return names.join(QCoreApplication::translate("GameKeys", ", "));
}

// A battle button's key is Alt and the letter its caption marks, in the
// player's language, so the list follows the catalogue's captions.
QKeyCombination battleMnemonic(const char *caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(QCoreApplication::translate("frmBattleControl", caption));
    return mnemonic.isEmpty() ? QKeyCombination() : mnemonic[0];
}

Key battleButton(const char *caption, QString action)
{
    const QKeyCombination press = battleMnemonic(caption);
    return {Window::Battle, name(press), std::move(action), {press}};
}

using B = Gamepad::Button;

constexpr QKeyCombination ShiftTab(Qt::ShiftModifier, Qt::Key_Tab);
// What Shift+Tab arrives as.
constexpr QKeyCombination BackTab(Qt::ShiftModifier, Qt::Key_Backtab);

Key buttonRow(Window window, const QStringList &names, QString action, QList<ButtonPress> buttons)
{
    //: Between the names of keys that do the same ("Enter, Space"); keep it short.
    return Key{window,
               names.join(QCoreApplication::translate("GameKeys", ", ")),
               std::move(action),
               {},
               false,
               std::move(buttons)};
}

QString backButton()
{
    //: A game controller's Back button (Select, View, Share or "-" on some controllers).
    return QCoreApplication::translate("GameKeys", "Back (Select)");
}

QString startButton()
{
    //: A game controller's Start button (Options, Menu or "+" on some controllers).
    return QCoreApplication::translate("GameKeys", "Start");
}

QString hallAction()
{
    return QCoreApplication::translate("GameKeys", "Opens the hall of the fallen: the characters who died.");
}

QString saveAndQuitAction()
{
    return QCoreApplication::translate("GameKeys", "Asks whether to save your character and end the game.");
}

QString shoulderButtons()
{
    return QCoreApplication::translate("GameKeys", "Shoulder buttons (LB, RB)");
}

// A question's answers, for its key rows and its button rows alike.
QString acceptAction()
{
    return QCoreApplication::translate("GameKeys", "Saves your character and ends the game.");
}

QString declineAction()
{
    return QCoreApplication::translate("GameKeys", "Goes back to the game.");
}

QString hallMoveAction()
{
    return QCoreApplication::translate("GameKeys",
                                       "Go from one fallen character to another; in the record, scroll it.");
}

QString hallFocusAction()
{
    return QCoreApplication::translate("GameKeys", "Go between the list, the record and the Close button.");
}

Key hallButton(Window window)
{
    return buttonRow(window, {QStringLiteral("X")}, hallAction(), {{B::X, Hall}});
}

Key helpButton(Window window)
{
    return buttonRow(window, {backButton()}, QCoreApplication::translate("GameKeys", "Opens the help."),
                     {{B::Back, Help}});
}

QList<Key> titleAndMapButtons()
{
    return {
        buttonRow(Window::Title, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Y"), startButton()},
                  QCoreApplication::translate("GameKeys", "Starts the game."),
                  {{B::A, Qt::Key_Space}, {B::B, Qt::Key_Space}, {B::Y, Qt::Key_Space}, {B::Start, Qt::Key_Space}}),
        hallButton(Window::Title),
        helpButton(Window::Title),

        buttonRow(Window::Map, {QCoreApplication::translate("GameKeys", "D-pad or left stick")},
                  QCoreApplication::translate("GameKeys", "Move you one square."),
                  {{B::DpadUp, Qt::Key_Up},
                   {B::DpadDown, Qt::Key_Down},
                   {B::DpadLeft, Qt::Key_Left},
                   {B::DpadRight, Qt::Key_Right}}),
        buttonRow(
            Window::Map, {shoulderButtons()},
            QCoreApplication::translate("GameKeys", "While you have points: go from one \"+\" button to the next."),
            {{B::LeftShoulder, BackTab}, {B::RightShoulder, Qt::Key_Tab}}),
        buttonRow(Window::Map, {QStringLiteral("A")},
                  QCoreApplication::translate("GameKeys", "On a \"+\" button: spends a point."),
                  {{B::A, Qt::Key_Space}}),
        buttonRow(Window::Map, {QStringLiteral("Y")},
                  QCoreApplication::translate("GameKeys", "Switches the colour symbols on and off."),
                  {{B::Y, ColourSymbols}}),
        hallButton(Window::Map),
        helpButton(Window::Map),
        buttonRow(Window::Map, {startButton()}, saveAndQuitAction(), {{B::Start, SaveAndQuit}}),
    };
}

QList<Key> battleButtons()
{
    return {
        buttonRow(Window::Battle, {QStringLiteral("A")},
                  QCoreApplication::translate("GameKeys", "Presses the Attack button."),
                  {{B::A, battleMnemonic("&Attack")}}),
        buttonRow(Window::Battle, {QStringLiteral("X")},
                  QCoreApplication::translate("GameKeys", "Presses the Blast button."),
                  {{B::X, battleMnemonic("&Blast")}}),
        buttonRow(Window::Battle, {QStringLiteral("Y")},
                  QCoreApplication::translate("GameKeys", "Presses the Heal button."),
                  {{B::Y, battleMnemonic("&Heal")}}),
        buttonRow(Window::Battle, {QStringLiteral("B")},
                  QCoreApplication::translate("GameKeys", "Presses the Retreat button."),
                  {{B::B, battleMnemonic("&Retreat")}}),
        helpButton(Window::Battle),
    };
}

QList<Key> helpAndHallButtons()
{
    const QString back = backButton();
    const QString upAndDown = QCoreApplication::translate("GameKeys", "Up and down on the d-pad or left stick");
    return {
        buttonRow(Window::Help, {QStringLiteral("B"), back},
                  QCoreApplication::translate("GameKeys", "Closes the help."),
                  {{B::B, Qt::Key_Escape}, {B::Back, Qt::Key_Escape}}),
        // The page moves under the caret, which the keyboard's arrows move
        // for a screen reader.
        buttonRow(Window::Help, {upAndDown}, QCoreApplication::translate("GameKeys", "Scroll the help."),
                  {{B::DpadUp, QKeyCombination(Qt::ControlModifier, Qt::Key_Up)},
                   {B::DpadDown, QKeyCombination(Qt::ControlModifier, Qt::Key_Down)}}),
        buttonRow(
            Window::Help, {shoulderButtons()},
            QCoreApplication::translate("GameKeys", "Scroll the help a page at a time."),
            {{B::LeftShoulder, QKeyCombination(Qt::ShiftModifier, Qt::Key_Space)}, {B::RightShoulder, Qt::Key_Space}}),
        buttonRow(Window::Help, {QStringLiteral("X"), QStringLiteral("Y")},
                  QCoreApplication::translate("GameKeys", "Go from one link to the next."),
                  {{B::X, Qt::Key_Tab}, {B::Y, BackTab}}),
        buttonRow(Window::Help, {QStringLiteral("A")},
                  QCoreApplication::translate("GameKeys", "Follows the link that has the focus."),
                  {{B::A, Qt::Key_Return}}),

        buttonRow(Window::Hall, {QStringLiteral("B"), back},
                  QCoreApplication::translate("GameKeys", "Closes the hall."),
                  {{B::B, Qt::Key_Escape}, {B::Back, Qt::Key_Escape}}),
        buttonRow(Window::Hall, {upAndDown}, hallMoveAction(), {{B::DpadUp, Qt::Key_Up}, {B::DpadDown, Qt::Key_Down}}),
        buttonRow(Window::Hall, {QStringLiteral("A")},
                  QCoreApplication::translate("GameKeys", "Shows the whole record of the chosen character."),
                  {{B::A, Qt::Key_Return}}),
        buttonRow(Window::Hall, {shoulderButtons()}, hallFocusAction(),
                  {{B::LeftShoulder, BackTab}, {B::RightShoulder, Qt::Key_Tab}}),
    };
}

QList<Key> boxButtons()
{
    return {
        buttonRow(Window::MessageBox, {QStringLiteral("A")},
                  QCoreApplication::translate("GameKeys", "Closes the message."), {{B::A, Qt::Key_Return}}),

        buttonRow(Window::Question, {QStringLiteral("A")}, acceptAction(), {{B::A, Qt::Key_Return}}),
        buttonRow(Window::Question, {QStringLiteral("B"), backButton()}, declineAction(),
                  {{B::B, Qt::Key_Escape}, {B::Back, Qt::Key_Escape}}),
    };
}

// The game controller's rows, after the keys of each window.
QList<Key> controllerRows()
{
    return titleAndMapButtons() + battleButtons() + helpAndHallButtons() + boxButtons();
}

} // namespace

namespace {

// The key with no modifier and with each of Shift, Ctrl and Alt: keys that
// do the same whatever else is held.
QList<QKeyCombination> withModifiers(std::initializer_list<Qt::Key> keys)
{
    QList<QKeyCombination> presses;
    for (const Qt::KeyboardModifier modifier :
         {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        for (Qt::Key key : keys)
            presses.append(QKeyCombination(modifier, key));
    }
    return presses;
}

QString arrows()
{
    return QCoreApplication::translate("GameKeys", "Arrow keys");
}

Key helpRow(Window window)
{
    return Key{.window = window,
               .name = name(Help),
               .action = QCoreApplication::translate("GameKeys", "Opens the help."),
               .presses = {Help},
               .encounter = Encounter::Never};
}

Key soundRow(Window window)
{
    return Key{.window = window,
               .name = name(SoundSwitch),
               .action = QCoreApplication::translate("GameKeys", "Switches the game's sound off and on."),
               .presses = {SoundSwitch},
               .encounter = Encounter::Never};
}

Key hallRow(Window window)
{
    return Key{
        .window = window, .name = name(Hall), .action = hallAction(), .presses = {Hall}, .encounter = Encounter::Never};
}

QList<Key> titleKeys()
{
    return {
        {Window::Title,
         QCoreApplication::translate("GameKeys", "A letter, a digit, Space, Esc, Return or Backspace"),
         QCoreApplication::translate("GameKeys", "Starts the game."),
         {Qt::Key_A, Qt::Key_7, Qt::Key_Space}},
        helpRow(Window::Title),
        hallRow(Window::Title),
        soundRow(Window::Title),
    };
}

// The keys that do nothing on the map, not even start a battle: held
// alone, they are the desktop's and the screen reader's (Orca's own key is
// Insert, or Caps Lock).
constexpr Qt::Key Quiet[] = {Qt::Key_Shift,   Qt::Key_Control,    Qt::Key_Alt,   Qt::Key_AltGr,
                             Qt::Key_Super_L, Qt::Key_Super_R,    Qt::Key_Meta,  Qt::Key_CapsLock,
                             Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Insert};

Key quietRow()
{
    QList<QKeyCombination> presses(std::begin(Quiet), std::end(Quiet));
    // Insert on the number pad, Orca's key too.
    presses << QKeyCombination(Qt::KeypadModifier, Qt::Key_Insert);
    return Key{.window = Window::Map,
               .name = keyNames(presses),
               .action = QCoreApplication::translate("GameKeys",
                                                     "Nothing at all, not even a battle: alone, they are your "
                                                     "desktop's and your screen reader's keys."),
               .presses = presses,
               .effect = Effect::Nothing,
               .encounter = Encounter::Never};
}

// The keys that ask for an enemy, which start no battle either.
QList<Key> enemyKeys()
{
    QList<QKeyCombination> colours;
    for (const ColourGroups::Group &group : ColourGroups::All)
        colours.prepend(Qt::Key(Qt::Key_0 + group.pips));
    // Some keyboards type their digits with Shift.
    for (qsizetype i = 0, n = colours.size(); i < n; ++i)
        colours << QKeyCombination(Qt::ShiftModifier, colours[i].key());
    return {
        {.window = Window::Map,
         .name = name(Qt::Key_PageDown),
         .action = QCoreApplication::translate("GameKeys",
                                               "Tells the next enemy you can see, nearest first: its colour and the "
                                               "way to it. Each step you take then tells the way to that enemy."),
         .presses = {Qt::Key_PageDown},
         .encounter = Encounter::Never},
        {.window = Window::Map,
         .name = name(Qt::Key_PageUp),
         .action = QCoreApplication::translate("GameKeys", "Tells the enemy before it, back to the nearest."),
         .presses = {Qt::Key_PageUp},
         .encounter = Encounter::Never},
        //: %1 and %2 are the first and the last of the number keys, 1 and 7.
        {.window = Window::Map,
         .name = QCoreApplication::translate("GameKeys", "%1 to %2").arg(name(colours.first()), name(colours[6])),
         .action = QCoreApplication::translate("GameKeys",
                                               "Tells the nearest enemy of a colour, by the dots of its colour "
                                               "symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 "
                                               "violet. Pressed again: the next one of that colour."),
         .presses = colours,
         .encounter = Encounter::Never},
    };
}

// The map's switches: colour symbols, sound, the enemy cue.
QList<Key> mapSwitches()
{
    return {
        {.window = Window::Map,
         .name = name(ColourSymbols),
         .action = QCoreApplication::translate("GameKeys", "Switches the colour symbols on and off."),
         .presses = {ColourSymbols}},
        soundRow(Window::Map),
        {.window = Window::Map,
         .name = name(EnemyCue),
         .action = QCoreApplication::translate("GameKeys",
                                               "Switches the enemy cue on and off: after each step, a sound that "
                                               "points to the nearest enemy."),
         .presses = {EnemyCue},
         .encounter = Encounter::Never},
    };
}

// Every other key that reaches the map looks for an enemy on the player's
// square, and does nothing when there is none; Alt+F4 is the desktop's.
QList<Key> mapOthers()
{
    const QKeyCombination close(Qt::AltModifier, Qt::Key_F4);
    return {
        {.window = Window::Map,
         .name = QCoreApplication::translate("GameKeys", "Any other key"),
         .action = QCoreApplication::translate("GameKeys", "Does nothing but fight an enemy on your square."),
         .presses = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_A},
         .effect = Effect::Fights,
         .otherKeys = true},
        {.window = Window::Map,
         .name = name(close),
         .action = QCoreApplication::translate("GameKeys",
                                               "Your desktop's key to close a window: saves your character and "
                                               "ends the game."),
         .presses = {close},
         .desktop = true,
         .encounter = Encounter::Never},
    };
}

QList<Key> mapKeys()
{
    const QList<Key> first{
        // The shift state does not matter to a move.
        {.window = Window::Map,
         .name = arrows(),
         .action = QCoreApplication::translate("GameKeys", "Move you one square."),
         .presses = withModifiers({Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}),
         .encounter = Encounter::WhereItLeavesYou},
        helpRow(Window::Map),
        hallRow(Window::Map),
    };
    const QList<Key> points{
        {.window = Window::Map,
         .name = keyNames({Qt::Key_Tab, ShiftTab}),
         .action =
             QCoreApplication::translate("GameKeys", "While you have points: go from one \"+\" button to the next."),
         .presses = {Qt::Key_Tab, BackTab},
         .encounter = Encounter::WithoutPoints},
        {.window = Window::Map,
         .name = name(Qt::Key_Space),
         .action = QCoreApplication::translate("GameKeys", "On a \"+\" button: spends a point."),
         .presses = withModifiers({Qt::Key_Space})},
        {.window = Window::Map,
         .name = name(SaveAndQuit),
         .action = saveAndQuitAction(),
         .presses = {SaveAndQuit},
         .encounter = Encounter::Never},
    };
    return first + mapSwitches() + points + enemyKeys() + QList<Key>{quietRow()} + mapOthers();
}

QList<Key> battleKeys()
{
    QList<QKeyCombination> focus{Qt::Key_Tab, BackTab};
    focus << withModifiers({Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down});
    return {
        battleButton("&Attack", QCoreApplication::translate("GameKeys", "Presses the Attack button.")),
        battleButton("&Blast", QCoreApplication::translate("GameKeys", "Presses the Blast button.")),
        battleButton("&Heal", QCoreApplication::translate("GameKeys", "Presses the Heal button.")),
        battleButton("&Retreat", QCoreApplication::translate("GameKeys", "Presses the Retreat button.")),
        {Window::Battle, keyNames({Qt::Key_Tab, ShiftTab}) + QCoreApplication::translate("GameKeys", ", ") + arrows(),
         QCoreApplication::translate("GameKeys", "Go from one button to the next."), focus},
        {Window::Battle, name(Qt::Key_Space),
         QCoreApplication::translate("GameKeys", "Presses the button that has the focus."),
         withModifiers({Qt::Key_Space})},
        helpRow(Window::Battle),
        soundRow(Window::Battle),
    };
}

QList<Key> helpKeys()
{
    const auto with = [](Qt::KeyboardModifier modifier, std::initializer_list<Qt::Key> keys) {
        QList<QKeyCombination> presses;
        for (Qt::Key key : keys)
            presses << QKeyCombination(modifier, key);
        return presses;
    };
    const std::initializer_list<Qt::Key> caret{Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right,
                                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    return {
        {Window::Help,
         name(Qt::Key_Escape),
         QCoreApplication::translate("GameKeys", "Closes the help."),
         {Qt::Key_Escape}},
        {Window::Help, keyNames({Qt::Key_Up, Qt::Key_Down}),
         QCoreApplication::translate("GameKeys",
                                     "Read the help line by line: a screen reader reads each line you reach. With "
                                     "Ctrl or Alt, the page moves and you stay where you are."),
         with(Qt::NoModifier, {Qt::Key_Up, Qt::Key_Down}) + with(Qt::ControlModifier, {Qt::Key_Up, Qt::Key_Down})
             + with(Qt::AltModifier, {Qt::Key_Up, Qt::Key_Down})},
        {Window::Help, keyNames({Qt::Key_Left, Qt::Key_Right}),
         QCoreApplication::translate("GameKeys", "Go letter by letter; with Ctrl, word by word."),
         with(Qt::NoModifier, {Qt::Key_Left, Qt::Key_Right})
             + with(Qt::ControlModifier, {Qt::Key_Left, Qt::Key_Right})},
        {Window::Help,
         keyNames({Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space}),
         QCoreApplication::translate("GameKeys", "Go a page up or down (Space: down, Shift+Space: up)."),
         {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space, QKeyCombination(Qt::ShiftModifier, Qt::Key_Space),
          QKeyCombination(Qt::ControlModifier, Qt::Key_Space), QKeyCombination(Qt::AltModifier, Qt::Key_Space)}},
        {Window::Help, keyNames({Qt::Key_Home, Qt::Key_End}),
         QCoreApplication::translate("GameKeys", "Go to the start or the end of the line; with Ctrl, of the help."),
         with(Qt::NoModifier, {Qt::Key_Home, Qt::Key_End}) + with(Qt::ControlModifier, {Qt::Key_Home, Qt::Key_End})},
        {Window::Help, name(Qt::Key_Shift),
         QCoreApplication::translate("GameKeys", "Held with those keys: selects the text you go over."),
         with(Qt::ShiftModifier, caret)},
        {Window::Help,
         keyNames({Qt::Key_Tab, ShiftTab}),
         QCoreApplication::translate("GameKeys",
                                     "Go from one link to the next: the list at the top links to each part."),
         {Qt::Key_Tab, BackTab}},
        {Window::Help,
         keyNames({Qt::Key_Return, Qt::Key_Enter}),
         QCoreApplication::translate("GameKeys", "On a link: takes you to that part of the help, told by its name."),
         {Qt::Key_Return, Qt::Key_Enter}},
        {Window::Help,
         keyNames({QKeyCombination(Qt::ControlModifier, Qt::Key_A), QKeyCombination(Qt::ControlModifier, Qt::Key_C)}),
         QCoreApplication::translate("GameKeys", "Select all of the help's text, and copy what is selected."),
         {QKeyCombination(Qt::ControlModifier, Qt::Key_A), QKeyCombination(Qt::ControlModifier, Qt::Key_C)}},
    };
}

QList<Key> hallKeys()
{
    return {
        {Window::Hall,
         name(Qt::Key_Escape),
         QCoreApplication::translate("GameKeys", "Closes the hall."),
         {Qt::Key_Escape}},
        {Window::Hall,
         keyNames({Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End}),
         hallMoveAction(),
         {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End}},
        {Window::Hall, keyNames({Qt::Key_Tab, ShiftTab}), hallFocusAction(), {Qt::Key_Tab, BackTab}},
        {Window::Hall,
         keyNames({Qt::Key_Return, Qt::Key_Enter}),
         QCoreApplication::translate("GameKeys", "Shows the whole record of the chosen character."),
         {Qt::Key_Return, QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter)}},
        {Window::Hall,
         name(QKeyCombination(Qt::ControlModifier, Qt::Key_C)),
         QCoreApplication::translate("GameKeys", "Copies that record as text."),
         {QKeyCombination(Qt::ControlModifier, Qt::Key_C)}},
    };
}

QList<Key> messageKeys()
{
    return {
        {Window::MessageBox,
         keyNames({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}),
         QCoreApplication::translate("GameKeys", "Closes the message."),
         {Qt::Key_Return, QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter), Qt::Key_Space, Qt::Key_Escape}},
        {Window::Question,
         keyNames({Qt::Key_Return, Qt::Key_Enter}),
         acceptAction(),
         {Qt::Key_Return, QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter)}},
        {Window::Question, name(Qt::Key_Escape), declineAction(), {Qt::Key_Escape}},
        {Window::Question,
         keyNames({Qt::Key_Tab, ShiftTab}),
         QCoreApplication::translate("GameKeys", "Go from one button to the next."),
         {Qt::Key_Tab, BackTab}},
        {Window::Question,
         name(Qt::Key_Space),
         QCoreApplication::translate("GameKeys", "Presses the button that has the focus."),
         {Qt::Key_Space}},
    };
}

} // namespace

QList<Key> all()
{
    QList<Key> keys = titleKeys() + mapKeys() + battleKeys() + helpKeys() + hallKeys() + messageKeys();
    // Each window's controller rows after its keys, in the windows' order.
    const QList<Key> buttons = controllerRows();
    for (auto at = keys.begin(); at != keys.end();) {
        const Window window = at->window;
        at = std::find_if(at, keys.end(), [window](const Key &key) { return key.window != window; });
        for (const Key &button : buttons) {
            if (button.window == window)
                at = std::next(keys.insert(at, button));
        }
    }
    return keys;
}

bool doesNothingOnMap(int key)
{
    return std::find(std::begin(Quiet), std::end(Quiet), key) != std::end(Quiet);
}

std::optional<EnemyChoice> enemyChoice(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    if (held == Qt::NoModifier && event.key() == Qt::Key_PageDown)
        return EnemyChoice{EnemyChoice::Farther};
    if (held == Qt::NoModifier && event.key() == Qt::Key_PageUp)
        return EnemyChoice{EnemyChoice::Nearer};
    // A number as the keyboard types it: some keyboards need Shift for
    // their digits.
    if ((held & ~Qt::ShiftModifier) != Qt::NoModifier || event.text().size() != 1)
        return std::nullopt;
    const int dots = event.text().at(0).digitValue();
    for (int colour = 0; colour < ColourGroups::Count; ++colour) {
        if (ColourGroups::All[colour].pips == dots)
            return EnemyChoice{EnemyChoice::OfColour, colour};
    }
    return std::nullopt;
}

QList<Key> of(Window window)
{
    QList<Key> keys = all();
    keys.removeIf([window](const Key &key) { return key.window != window; });
    return keys;
}

Encounter encounterOf(QKeyCombination press)
{
    // Shift+Tab arrives as Shift+Backtab, whichever way it is sent; with
    // Ctrl or Alt held it moves no focus.
    const bool ctrlOrAlt = press.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if ((press.key() == Qt::Key_Backtab && !ctrlOrAlt) || press == QKeyCombination(Qt::ShiftModifier, Qt::Key_Tab))
        press = QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab);
    Encounter others = Encounter::Fights;
    for (const Key &key : of(Window::Map)) {
        // A key that does nothing at all does so whatever else is held.
        const bool any = key.effect == Effect::Nothing
            && std::any_of(key.presses.begin(), key.presses.end(),
                           [press](QKeyCombination listed) { return listed.key() == press.key(); });
        if (any || key.presses.contains(press))
            return key.encounter;
        if (key.otherKeys)
            others = key.encounter;
    }
    return others;
}

QString encounterRule()
{
    QStringList never;
    QStringList exceptions;
    for (const Key &key : of(Window::Map)) {
        if (!key.buttons.isEmpty() || key.desktop)
            continue;
        if (key.encounter == Encounter::Never)
            never << key.name;
        //: Part of the sentence on which keys fight an enemy on your square.
        else if (key.encounter == Encounter::WhereItLeavesYou)
            exceptions << QCoreApplication::translate("GameKeys", "an arrow key that takes you off the square");
        //: Part of the sentence on which keys fight an enemy on your square; %1 is "Tab, Shift+Tab".
        else if (key.encounter == Encounter::WithoutPoints)
            exceptions << QCoreApplication::translate("GameKeys", "%1 while you have points").arg(key.name);
    }
    //: Between the names of keys that do the same ("Enter, Space"); keep it short.
    exceptions.prepend(never.join(QCoreApplication::translate("GameKeys", ", ")));
    //: The one rule for fighting on the map; %1 lists the keys that do not fight, separated by "; ".
    return QCoreApplication::translate("GameKeys",
                                       "Walking onto an enemy fights it at once. An enemy that stands on your square "
                                       "(it came to you, or you retreated) is fought at the next key you press on "
                                       "the map, except: %1.")
        .arg(exceptions.join(QCoreApplication::translate("GameKeys", "; ")));
}

std::optional<QKeyCombination> pressOf(Window window, Gamepad::Button button)
{
    for (const Key &key : of(window)) {
        for (const ButtonPress &press : key.buttons) {
            if (press.button == button)
                return press.press;
        }
    }
    return std::nullopt;
}

} // namespace GameKeys
