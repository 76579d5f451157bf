#include "help/gamekeys.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace GameKeys {

namespace {

QString keyName(QKeyCombination key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

QString keyNames(std::initializer_list<QKeyCombination> keys)
{
    QStringList names;
    for (QKeyCombination key : keys)
        names.append(keyName(key));
    //: Between the names of keys that do the same ("Enter, Space"); keep it short.
    return names.join(QCoreApplication::translate("GameKeys", ", "));
}

// A battle button's key is Alt and the letter its caption marks, in the
// player's language, so the list follows the catalogue's captions.
Key battleButton(const char *caption, QString action)
{
    const QKeySequence mnemonic =
        QKeySequence::mnemonic(QCoreApplication::translate("frmBattleControl", caption));
    const QKeyCombination press = mnemonic.isEmpty() ? QKeyCombination() : mnemonic[0];
    return {Window::Battle, keyName(press), std::move(action), {press}};
}

} // namespace

QList<Key> all()
{
    const QKeyCombination backTab(Qt::ShiftModifier, Qt::Key_Backtab);
    const auto help = [](Window window) {
        return Key{window, keyName(Help), QCoreApplication::translate("GameKeys", "Opens this help."), {Help}};
    };
    QList<Key> keys{
        {Window::Title, QCoreApplication::translate("GameKeys", "A letter, a digit or another character key"),
         QCoreApplication::translate("GameKeys", "Starts the game."),
         {Qt::Key_A, Qt::Key_7, Qt::Key_Space}},
        help(Window::Title),

        {Window::Map, QCoreApplication::translate("GameKeys", "Arrow keys"),
         QCoreApplication::translate("GameKeys", "Move you one square."),
         {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}},
        help(Window::Map),
        {Window::Map, keyName(ColourSymbols),
         QCoreApplication::translate("GameKeys", "Switches the colour symbols on and off."), {ColourSymbols}},
        {Window::Map, keyNames({Qt::Key_Tab, backTab}),
         QCoreApplication::translate("GameKeys", "While you have points: go from one \"+\" button to the next."),
         {Qt::Key_Tab, backTab}},
        {Window::Map, keyName(Qt::Key_Space),
         QCoreApplication::translate("GameKeys", "On a \"+\" button: spends a point."), {Qt::Key_Space}},
        {Window::Map, keyName(QKeyCombination(Qt::AltModifier, Qt::Key_F4)),
         QCoreApplication::translate("GameKeys", "Closes the map window, which saves your character and ends the "
                                                 "game (your desktop's key for closing a window)."),
         {QKeyCombination(Qt::AltModifier, Qt::Key_F4)}, true},

        battleButton("&Attack", QCoreApplication::translate("GameKeys", "Presses the Attack button.")),
        battleButton("&Blast", QCoreApplication::translate("GameKeys", "Presses the Blast button.")),
        battleButton("&Heal", QCoreApplication::translate("GameKeys", "Presses the Heal button.")),
        battleButton("&Retreat", QCoreApplication::translate("GameKeys", "Presses the Retreat button.")),
        {Window::Battle, keyNames({Qt::Key_Tab, backTab}),
         QCoreApplication::translate("GameKeys", "Go from one button to the next."), {Qt::Key_Tab, backTab}},
        {Window::Battle, keyName(Qt::Key_Space),
         QCoreApplication::translate("GameKeys", "Presses the button that has the focus."), {Qt::Key_Space}},
        help(Window::Battle),

        {Window::Help, keyName(Qt::Key_Escape), QCoreApplication::translate("GameKeys", "Closes this help."),
         {Qt::Key_Escape}},
        {Window::Help, keyNames({Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown}),
         QCoreApplication::translate("GameKeys", "Scroll the help."),
         {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp}},
        {Window::Help, keyNames({Qt::Key_Tab, backTab}),
         QCoreApplication::translate("GameKeys", "Go from one link to the next."), {Qt::Key_Tab, backTab}},
        {Window::Help, keyName(Qt::Key_Return),
         QCoreApplication::translate("GameKeys", "Follows the link that has the focus."), {Qt::Key_Return}},

        {Window::MessageBox, keyNames({Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}),
         QCoreApplication::translate("GameKeys", "Closes the message."),
         {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}},
    };
    return keys;
}

QList<Key> of(Window window)
{
    QList<Key> keys = all();
    keys.removeIf([window](const Key &key) { return key.window != window; });
    return keys;
}

} // namespace GameKeys
