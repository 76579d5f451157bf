#include "map/frmmaingamewindow.h"
#include "ui_frmMainGameWindow.h"

#include "map/enemyclock.h"

#include "battle/frmbattlecontrol.h"
#include "keys/gamekeys.h"
#include "logic/modgamelogiccode.h"
#include "accessibility/accessibleupdates.h"
#include "accessibility/labelaccessible.h"
#include "accessibility/pictureboxaccessible.h"
#include "system/beep.h"
#include "logic/captionnumber.h"
#include "system/gameerror.h"
#include "forms/messagebox.h"
#include "system/picturefile.h"
#include "system/programend.h"
#include "system/playersettings.h"
#include "system/programfolder.h"
#include "system/randomsource.h"
#include "system/sound.h"
#include "forms/windowsetup.h"
#include "forms/windowplacement.h"
#include "resources/gamepictures.h"
#include "resources/graphicsfolder.h"
#include "widgets/accessibleproperty.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <optional>

using namespace modGameLogicCode;
using namespace GameRules;

frmMainGameWindow::frmMainGameWindow(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmMainGameWindow>())
{
    WindowSetup::setUpForm(*ui, this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    WindowPlacement::keepSize(this);

    ui->pic_WorldMap->placeChildrenInInterior();
    nameControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(EnemyClock::TickInterval);
    connect(Timer1, &QTimer::timeout, this, &frmMainGameWindow::Timer1_Timer);
    Timer1->start();

    connect(ui->pic_WorldMap, &PictureBox::keyDown, this, &frmMainGameWindow::onWorldMapKey);
    connect(ui->cmd_ST_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_ST_gain_Click);
    connect(ui->cmd_DX_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_DX_gain_Click);
    connect(ui->cmd_WS_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_WS_gain_Click);
    connect(ui->cmd_HP_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_HP_gain_Click);
    connect(ui->cmd_MP_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_MP_gain_Click);
    for (QPushButton *button : m_controls.gainButtons)
        button->installEventFilter(this);
    ui->pic_WorldMap->installEventFilter(this);
    ui->pic_WorldMap->setFocus();
}

frmMainGameWindow::~frmMainGameWindow() = default;

// The controls the rules read and write, by name; made once by the constructor.
void frmMainGameWindow::nameControls()
{
    m_controls.window = this;
    m_controls.lbl_ST_val = ui->lbl_ST_val;
    m_controls.lbl_DX_val = ui->lbl_DX_val;
    m_controls.lbl_WS_val = ui->lbl_WS_val;
    m_controls.lbl_HP_val = ui->lbl_HP_val;
    m_controls.lbl_HP_max = ui->lbl_HP_max;
    m_controls.lbl_MP_val = ui->lbl_MP_val;
    m_controls.lbl_MP_max = ui->lbl_MP_max;
    m_controls.lbl_Points_val = ui->lbl_Points_val;
    m_controls.gainButtons = {ui->cmd_ST_gain, ui->cmd_DX_gain, ui->cmd_WS_gain, ui->cmd_HP_gain, ui->cmd_MP_gain};
    m_controls.skillBars = {ui->pic_Violet, ui->pic_Indigo, ui->pic_Blue, ui->pic_Green,
                            ui->pic_Yellow, ui->pic_Orange, ui->pic_Red};
    for (PictureBox *bar : m_controls.skillBars) {
        bar->setProperty(AccessibleProperty::UnitTwips, TwipsPerLevel);
        bar->setProperty(AccessibleProperty::Levels, int(FullSkillBarTwips / TwipsPerLevel));
    }
    // The clock's bar tells its own name with its value: its caption
    // alone would be a line with no value to a reader's review.
    ui->lbl_TimeToEnemyMoves->setProperty(AccessibleProperty::Silent, true);
    ui->pic_WorldMap->setProperty(AccessibleProperty::Marker, ui->pic_Player->objectName());
    // The enemies stand on their diagonal until the clock's first round.
    ui->pic_WorldMap->setProperty(AccessibleProperty::Unplaced, true);
    for (int i = 0; i < EnemyCount; ++i)
        m_controls.pic_Enemy[i] = findChild<PictureBox *>(QStringLiteral("pic_Enemy_%1").arg(i));
    m_controls.pic_Player = ui->pic_Player;
    m_controls.lbl_EnemyTag = ui->lbl_EnemyTag;
    m_controls.openBattle = [](const MapControls &map) {
        // A fresh window for every battle, gone once it has been hidden.
        frmBattleControl battle(map);
        battle.exec();
        return battle.end();
    };
}

bool frmMainGameWindow::loadPictureIfPresent(const QString &suffix, PictureBox *target)
{
    const QString path = ProgramFolder::path() + suffix;
    if (!FileExists(path))
        return false;
    // Load the entry actually found: on a case-sensitive disk it may be
    // spelt differently from the name the game asks for.
    target->setPicture(QPixmap::fromImage(PictureFile::load(findEntry(path))));
    return true;
}

void frmMainGameWindow::loadGraphic(const QString &name, PictureBox *target)
{
    if (!loadPictureIfPresent(QStringLiteral("/%1/%2").arg(QLatin1String(GraphicsFolder::Folder), name), target))
        m_symbolBoxes.emplace_back(target, name);
}

void frmMainGameWindow::setBattle(MapControls::Battle battle)
{
    m_controls.openBattle = std::move(battle);
}

Outcome frmMainGameWindow::Form_Load()
{
    const PausedEnemies paused;
    const bool loaded = reportingFailures([this] {
        loadPictureIfPresent(
            QStringLiteral("/%1/%2").arg(QLatin1String(GraphicsFolder::Folder), QLatin1String(GraphicsFolder::MapFile)),
            ui->pic_WorldMap);
        loadGraphic(QLatin1String(GraphicsFolder::PlayerFile), ui->pic_LoadedPlayer);
        loadGraphic(QLatin1String(GraphicsFolder::HealingFile), ui->pic_LoadedHealing);
        ui->pic_Player->setPicture(ui->pic_LoadedHealing->picture());
        for (int i = 0; i < EnemyCount; ++i)
            loadGraphic(GraphicsFolder::enemyFile(i), m_controls.pic_Enemy[i]);
        if (PlayerSettings::colourSymbols())
            showColourSymbols(true);
        LoadCharacter(m_controls);
        UpdateGainButtons(m_controls);
    });
    if (!loaded)
        return Outcome::end(1);
    m_startedUp = true;
    return Outcome::carryOn();
}

bool frmMainGameWindow::reportingFailures(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const GameError &e) {
        MessageBox::show(e.report());
    } catch (const std::exception &e) {
        MessageBox::show(GameError::internal(e).report());
    }
    return false;
}

void frmMainGameWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    ProgramEnd::after(Form_Unload());
}

void frmMainGameWindow::askToSaveAndQuit()
{
    //: Asked when the player presses Ctrl+Q on the map (Start on a game controller).
    const QString question = tr("Save and quit?");
    //: The answer to "Save and quit?" that saves the character and ends the game.
    const QString yes = tr("Save and quit");
    //: The answer to "Save and quit?" that goes back to the game.
    const QString no = tr("Play on");
    bool quit = false;
    {
        const PausedEnemies paused;
        quit = MessageBox::ask(question, yes, no);
    }
    if (quit)
        close();
}

Outcome frmMainGameWindow::Form_Unload()
{
    // A window whose start-up failed has no character to save.
    if (!m_startedUp)
        return Outcome::carryOn();
    const Outcome saved = saveCharacterOrSay(m_controls);
    return saved.ends() ? saved : Outcome::end(0);
}

Outcome frmMainGameWindow::endOnRequest()
{
    MessageBox::answerAll();
    if (!m_startedUp)
        return Outcome::end(0);
    if (m_controls.lbl_EnemyTag->text() == Dead || m_endAfterBattle)
        return Outcome::carryOn();
    auto *battle = findChild<frmBattleControl *>(QString(), Qt::FindDirectChildrenOnly);
    if (battle && battle->leaveWon()) {
        m_endAfterBattle = true;
        return Outcome::carryOn();
    }
    return Form_Unload();
}

void frmMainGameWindow::keepOnRequest()
{
    if (!m_startedUp)
        return;
    // A battle already won is left as Retreat leaves it. Its win reaches
    // these controls once the battle has unwound, which the end of the
    // program may not wait for: it is saved as it will stand.
    auto *battle = findChild<frmBattleControl *>(QString(), Qt::FindDirectChildrenOnly);
    const std::optional<double> tag = CaptionNumber::tryParse(m_controls.lbl_EnemyTag->text());
    const std::optional<qint16> enemy = tag ? CaptionNumber::tryInt16(*tag) : std::nullopt;
    if (battle && enemy && battle->leaveWon()) {
        (void)saveCharacterOrWhy(afterWin(heldCharacter(m_controls), *enemy));
        return;
    }
    (void)saveCharacterOrWhy(m_controls);
}

// --- The enemy clock -------------------------------------------------------

namespace {

// Whether an enemy may enter the square: nobody, shown or hidden, stands
// there. Squares that do not fit the roster query's 16-bit coordinates are
// never entered (no grid square is that far out).
bool squareFree(const MapControls &map, const EnemyClock::Square &square)
{
    const std::optional<qint16> x = CaptionNumber::tryInt16(square.left);
    const std::optional<qint16> y = CaptionNumber::tryInt16(square.top);
    return x && y && !EnemyAt(map, *x, *y);
}

} // namespace

void frmMainGameWindow::Timer1_Timer()
{
    if (EnemiesPaused)
        return;
    ui->prog_MoveTime->showValue(ui->prog_MoveTime->value() + 1);
    if (ui->prog_MoveTime->value() < EnemyClock::PhaseTicks)
        return;
    enemyPhase();
}

void frmMainGameWindow::enemyPhase()
{
    if (std::floor(ui->pic_Player->top()) >= HealingRowTop) {
        const QString health = ui->lbl_HP_val->text();
        const QString magic = ui->lbl_MP_val->text();
        healInHealingRow(ui->lbl_HP_val, ui->lbl_HP_max);
        healInHealingRow(ui->lbl_MP_val, ui->lbl_MP_max);
        tellHealed({{ui->lbl_HP_val, health}, {ui->lbl_MP_val, magic}});
    }
    ui->prog_MoveTime->showValue(0);
    RandomSource::randomize();
    const std::optional<PictureBoxAccessible::Nearest> before = PictureBoxAccessible::nearestOf(ui->pic_WorldMap);
    for (int i = 0; i < EnemyCount; ++i)
        moveEnemy(i);
    soundArrival(before);
    AccessibleUpdates::othersMoved(ui->pic_WorldMap);
    // Now that the enemies have moved, the way to the nearest is told,
    // once, unless one close by has just been.
    if (ui->pic_WorldMap->property(AccessibleProperty::Unplaced).toBool()) {
        ui->pic_WorldMap->setProperty(AccessibleProperty::Unplaced, QVariant());
        if (PictureBoxAccessible::closeBy(ui->pic_WorldMap).isEmpty())
            AccessibleUpdates::say(this, PictureBoxAccessible::way(ui->pic_WorldMap));
    }
}

// The values the healing row has just raised: heard, and told to a reader
// that listens, since no control with the focus holds them.
void frmMainGameWindow::tellHealed(std::initializer_list<std::pair<QLabel *, QString>> before)
{
    QList<QLabel *> raised;
    for (const auto &[label, was] : before) {
        if (label->text() != was)
            raised.append(label);
    }
    if (raised.isEmpty())
        return;
    Sound::play(SoundSet::Effect::Healed);
    if (!QAccessible::isActive())
        return;
    QStringList told;
    for (QLabel *label : raised)
        told.append(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));
    AccessibleUpdates::say(this, LabelAccessible::joined(told));
}

// An enemy that has come beside the player or onto the player's square,
// whoever moved; one that stood there before the enemies moved is not new.
void frmMainGameWindow::soundArrival(const std::optional<PictureBoxAccessible::Nearest> &before)
{
    const std::optional<PictureBoxAccessible::Nearest> after = PictureBoxAccessible::nearestOf(ui->pic_WorldMap);
    if (!after || after->steps() > 1)
        return;
    if (before && before->marker == after->marker && before->across == after->across && before->down == after->down)
        return;
    Sound::play(after->steps() == 0 ? SoundSet::Effect::EnemyOnSquare : SoundSet::Effect::EnemyBeside);
}

// A statistic whose current or maximum caption is not a number (a damaged
// character file) is not healed: its caption stays exactly as loaded, to
// be saved back unchanged, and the clock goes on silently.
void frmMainGameWindow::healInHealingRow(QLabel *current, QLabel *maximum)
{
    const std::optional<double> value = CaptionNumber::tryParse(current->text());
    const std::optional<double> most = CaptionNumber::tryParse(maximum->text());
    if (!value || !most)
        return;
    if (const std::optional<double> now = EnemyClock::healed(*value, *most))
        current->setText(CaptionNumber::format(*now));
}

void frmMainGameWindow::moveEnemy(int index)
{
    PictureBox *enemy = m_controls.pic_Enemy[index];
    const std::optional<EnemyClock::Square> target =
        EnemyClock::stepTarget(EnemyClock::directionFor(RandomSource::next()), index, enemy->left(), enemy->top());
    if (target && squareFree(m_controls, *target)) {
        if (target->left != enemy->left())
            enemy->setLeft(target->left);
        else
            enemy->setTop(target->top);
    }

    // Every enemy draws its return chance, shown or hidden, moved or not.
    if (EnemyClock::comesBack(RandomSource::next()) && !enemy->shown())
        enemy->show();
}

// --- Player movement -------------------------------------------------------

namespace {

// The arrows' movement codes; every other key is None, which moves
// nothing.
VirtualKey virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Down:
        return VirtualKey::Down;
    default:
        return VirtualKey::None;
    }
}

} // namespace

// F2 alone; held down, it switches once.
bool frmMainGameWindow::switchesColourSymbols(const QKeyEvent *event)
{
    return event->key() == GameRules::FunctionKey::ColourSymbols && event->modifiers() == Qt::NoModifier
        && !event->isAutoRepeat();
}

void frmMainGameWindow::onWorldMapKey(QKeyEvent *event)
{
    // The desktop's and the screen reader's own keys, and the keys that
    // ask for an enemy, start no battle.
    if (GameKeys::doesNothingOnMap(event->key()))
        return;
    if (const std::optional<GameKeys::EnemyChoice> choice = GameKeys::enemyChoice(*event)) {
        chooseEnemy(*choice);
        return;
    }
    // F2 is a key like any other to the game besides.
    if (switchesColourSymbols(event))
        switchColourSymbols();
    pic_WorldMap_KeyDown(virtualKeyCode(event->key()), event->modifiers());
    // A chosen enemy that was beaten is chosen no more.
    if (!PictureBoxAccessible::chosen(ui->pic_WorldMap))
        ui->pic_WorldMap->setProperty(AccessibleProperty::Chosen, QVariant());
}

// The enemy the player asks for, told with its colour and the way to it;
// the map's name then tells the way to it after each step.
void frmMainGameWindow::chooseEnemy(const GameKeys::EnemyChoice &choice)
{
    QList<const PictureBox *> seen = PictureBoxAccessible::othersNearestFirst(ui->pic_WorldMap);
    if (choice.step == GameKeys::EnemyChoice::OfColour) {
        const auto first = m_controls.pic_Enemy.begin() + choice.colour * EnemiesPerColour;
        seen.removeIf([first](const PictureBox *enemy) {
            return std::find(first, first + EnemiesPerColour, enemy) == first + EnemiesPerColour;
        });
    }
    if (seen.isEmpty()) {
        ui->pic_WorldMap->setProperty(AccessibleProperty::Chosen, QVariant());
        AccessibleUpdates::say(this, noneInSight(choice));
        return;
    }
    const qsizetype was = seen.indexOf(PictureBoxAccessible::chosen(ui->pic_WorldMap));
    qsizetype at = 0;
    if (was >= 0 && choice.step == GameKeys::EnemyChoice::Farther)
        at = std::min(was + 1, seen.size() - 1);
    else if (was >= 0 && choice.step == GameKeys::EnemyChoice::Nearer)
        at = std::max<qsizetype>(was - 1, 0);
    else if (was >= 0)
        at = (was + 1) % seen.size();
    ui->pic_WorldMap->setProperty(AccessibleProperty::Chosen, seen[at]->objectName());
    AccessibleUpdates::say(this, PictureBoxAccessible::wayTo(ui->pic_WorldMap, seen[at]));
}

QString frmMainGameWindow::noneInSight(const GameKeys::EnemyChoice &choice)
{
    if (choice.step != GameKeys::EnemyChoice::OfColour)
        return QCoreApplication::translate("PictureBoxAccessible", "No one else in sight.");
    //: Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. "Red enemy".
    return tr("%1: none in sight.")
        .arg(m_controls.pic_Enemy[std::size_t(choice.colour * EnemiesPerColour)]->accessibleName());
}

// One square per key press (auto-repeats included), inside the grid; the
// shift state does not matter. Every key, moving or not, refreshes the
// player's picture and looks for an enemy on the player's square.
void frmMainGameWindow::pic_WorldMap_KeyDown(VirtualKey keyCode, Qt::KeyboardModifiers)
{
    PictureBox *player = ui->pic_Player;
    const bool wasHealing = player->top() == HealingRowTop;
    if (player->top() >= FirstSquare + Step && keyCode == VirtualKey::Up)
        player->setTop(player->top() - Step);
    if (player->top() <= HealingRowTop - Step && keyCode == VirtualKey::Down)
        player->setTop(player->top() + Step);
    if (player->left() >= FirstSquare + Step && keyCode == VirtualKey::Left)
        player->setLeft(player->left() - Step);
    if (player->left() <= LastColumn - Step && keyCode == VirtualKey::Right)
        player->setLeft(player->left() + Step);

    refreshPlayerPicture();
    if (!wasHealing && player->top() == HealingRowTop)
        Sound::play(SoundSet::Effect::HealingRow);

    // The encounter rules handle their own failures. Should one still get
    // out of a battle, it must not reach the event loop: it is reported,
    // the battle is over, and play goes on with the character as it stands.
    const CharacterRecord before = heldCharacter(m_controls);
    Outcome outcome = Outcome::carryOn();
    reportingFailures([this, &outcome] { outcome = CheckEncounter(m_controls); });
    if (!outcome.ends() && std::exchange(m_endAfterBattle, false))
        outcome = Form_Unload();
    else if (!outcome.ends() && heldCharacter(m_controls) != before)
        keepCharacter();
    if (ProgramEnd::after(outcome))
        return;
    if (keyCode != VirtualKey::None)
        cueNearestEnemy();
}

// After each arrow key, the way to the nearest enemy by ear, as a reader
// tells it in words.
void frmMainGameWindow::cueNearestEnemy()
{
    if (const std::optional<PictureBoxAccessible::Nearest> nearest = PictureBoxAccessible::nearestOf(ui->pic_WorldMap))
        Sound::cue(nearest->across, nearest->down);
}

void frmMainGameWindow::keepCharacter()
{
    const QString why = saveCharacterOrWhy(m_controls);
    if (why.isEmpty() || m_saveFailureTold)
        return;
    m_saveFailureTold = true;
    MessageBox::show(why);
}

void frmMainGameWindow::refreshPlayerPicture()
{
    ui->pic_Player->setPicture(ui->pic_Player->top() == HealingRowTop ? ui->pic_LoadedHealing->picture()
                                                                      : ui->pic_LoadedPlayer->picture());
}

// --- Colour symbols --------------------------------------------------------

void frmMainGameWindow::switchColourSymbols()
{
    showColourSymbols(!m_colourSymbols);
    PlayerSettings::setColourSymbols(m_colourSymbols);
    //: Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies' colours apart) on the map.
    const QString on = tr("Colour symbols on");
    //: Told by a screen reader when F2 takes the colour symbols off the map again.
    const QString off = tr("Colour symbols off");
    AccessibleUpdates::say(this, m_colourSymbols ? on : off);
}

// A player's own picture stays whatever the switch says. Without symbols
// a box shows no picture, as before any was loaded.
void frmMainGameWindow::showColourSymbols(bool on)
{
    m_colourSymbols = on;
    for (const auto &[box, name] : m_symbolBoxes)
        box->setPicture(on ? GamePictures::colourSymbol(name) : QPixmap());
    refreshPlayerPicture();

    // Each bar's mark is its enemies' symbol, laid over the bar's start
    // and as high as the bar, so that a bar at level 1 shows it too; the
    // bar's width, its level, stays as it is.
    for (int colour = 0; colour < ColourCount; ++colour) {
        PictureBox *&mark = m_skillMarks[std::size_t(colour)];
        if (!mark && !on)
            continue;
        if (!mark) {
            const PictureBox *bar = m_controls.skillBars[std::size_t(colour)];
            const PictureBox *enemy = m_controls.pic_Enemy[std::size_t(colour * EnemiesPerColour)];
            mark = new PictureBox(bar->parentWidget());
            mark->setBackColor(enemy->backColor());
            mark->setPicture(GamePictures::colourSymbol(GraphicsFolder::enemyFile(colour * EnemiesPerColour)));
            mark->setGeometry(bar->x(), bar->y(), enemy->width(), bar->height());
        }
        mark->setVisible(on);
    }
}

// --- Spending points -------------------------------------------------------

// Every caption the click will change is read before any is written: if
// one of them is not a number (a damaged character file), the click
// changes nothing, beeps, and the captions are saved back as they are.
// Sums are not rounded: "2.5" plus one is "3.5".
void frmMainGameWindow::spendPoint(std::initializer_list<QLabel *> raised)
{
    const auto refuse = [this] {
        Beep::sound();
        ui->pic_WorldMap->setFocus();
    };
    QVarLengthArray<double, 2> sums;
    for (QLabel *label : raised) {
        const std::optional<double> value = CaptionNumber::tryParse(label->text());
        if (!value)
            return refuse();
        sums.append(*value + 1.0);
    }
    const std::optional<double> points = CaptionNumber::tryParse(ui->lbl_Points_val->text());
    if (!points)
        return refuse();

    qsizetype n = 0;
    for (QLabel *label : raised)
        label->setText(CaptionNumber::format(sums[n++]));
    ui->lbl_Points_val->setText(CaptionNumber::format(*points - 1.0));
    UpdateGainButtons(m_controls);
    keepCharacter();
    Sound::play(SoundSet::Effect::PointSpent);

    auto *button = qobject_cast<QWidget *>(sender());
    if (!m_pointByKeyboard || !button || !button->isVisible()) {
        ui->pic_WorldMap->setFocus();
        return;
    }
    button->setFocus();
    // The new values are told only to a reader that listens.
    if (!QAccessible::isActive())
        return;
    QStringList told;
    for (QLabel *label : raised)
        told.append(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));
    told.append(QAccessible::queryAccessibleInterface(ui->lbl_Points_val)->text(QAccessible::Name));
    AccessibleUpdates::say(this, LabelAccessible::joined(told));
}

// The map: how to play on it, told once when it first has the focus; Tab
// with no point to spend, which leaves the focus where it is, says so.
bool frmMainGameWindow::watchWorldMap(QEvent *event)
{
    if (event->type() == QEvent::FocusIn && m_startedUp && !m_toldHowToPlay && QAccessible::isActive()) {
        m_toldHowToPlay = true;
        AccessibleUpdates::say(this, ui->pic_WorldMap->accessibleDescription());
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool pointsShown = std::any_of(m_controls.gainButtons.begin(), m_controls.gainButtons.end(),
                                             [](const QPushButton *button) { return button->isVisible(); });
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !pointsShown && QAccessible::isActive()) {
            //: Told by a screen reader when Tab finds nothing else to go to; %1 is the player's square ("Column 1, row 22").
            AccessibleUpdates::say(this,
                                   tr("No points to spend: you are still on the map, %1.")
                                       .arg(PictureBoxAccessible::shownOf(ui->pic_WorldMap)));
        }
    }
    return false;
}

bool frmMainGameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->pic_WorldMap)
        return watchWorldMap(event) || QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        m_pointByKeyboard = false;
    } else if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            ui->pic_WorldMap->setFocus();
            onWorldMapKey(key);
            return true;
        case GameRules::FunctionKey::ColourSymbols:
            // From a "+" button too, which keeps the focus.
            if (switchesColourSymbols(key)) {
                switchColourSymbols();
                return true;
            }
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
            m_pointByKeyboard = true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMainGameWindow::cmd_ST_gain_Click()
{
    spendPoint({ui->lbl_ST_val});
}

void frmMainGameWindow::cmd_DX_gain_Click()
{
    spendPoint({ui->lbl_DX_val});
}

void frmMainGameWindow::cmd_WS_gain_Click()
{
    spendPoint({ui->lbl_WS_val});
}

void frmMainGameWindow::cmd_HP_gain_Click()
{
    spendPoint({ui->lbl_HP_max, ui->lbl_HP_val});
}

void frmMainGameWindow::cmd_MP_gain_Click()
{
    spendPoint({ui->lbl_MP_max, ui->lbl_MP_val});
}
