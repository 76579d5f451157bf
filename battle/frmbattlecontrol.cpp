#include "battle/frmbattlecontrol.h"
#include "ui_frmBattleControl.h"

#include "logic/gamerules.h"
#include "accessibility/accessibleupdates.h"
#include "accessibility/labelaccessible.h"
#include "logic/captionnumber.h"
#include "system/gameerror.h"
#include "system/language.h"
#include "forms/messagebox.h"
#include "system/randomsource.h"
#include "system/sound.h"
#include "forms/windowplacement.h"
#include "forms/windowsetup.h"
#include "widgets/accessibleproperty.h"

#include <QCloseEvent>
#include <cmath>
#include <iterator>
#include <optional>

namespace {

using GameRules::Dead;
using GameRules::Retreat;

// What a refusal's sentence names: the caption of the value that stopped
// the move, as the window and the map hold it.
struct Captions
{
    const MapControls &map;
    const Ui::frmBattleControl &ui;
    qint16 enemyStrength;
};

// Each value that can stop a move, with its sentence (%1 takes the caption)
// and where its caption is read.
struct RefusalLine
{
    BattleRules::Unusable value;
    const char *sentence;
    QString (*caption)(const Captions &);
};

constexpr RefusalLine RefusalLines[] = {
    {BattleRules::Unusable::Dexterity,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your Dexterity (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.map.lbl_DX_val->text(); }},
    {BattleRules::Unusable::Strength,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your Strength (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.map.lbl_ST_val->text(); }},
    {BattleRules::Unusable::Wisdom,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your Wisdom (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.map.lbl_WS_val->text(); }},
    {BattleRules::Unusable::Health,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your Health (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.ui.lbl_HP_val->text(); }},
    {BattleRules::Unusable::MissingHealth,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your Health (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) {
         //: %1 is "health of maximum health", both as their captions hold them.
         return frmBattleControl::tr("%1 of %2").arg(c.ui.lbl_HP_val->text(), c.map.lbl_HP_max->text());
     }},
    {BattleRules::Unusable::MaximumHealth,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your maximum Health (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.map.lbl_HP_max->text(); }},
    {BattleRules::Unusable::Magic,
     QT_TRANSLATE_NOOP("frmBattleControl", "Your Magic (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.ui.lbl_MP_val->text(); }},
    {BattleRules::Unusable::EnemyHealth,
     QT_TRANSLATE_NOOP("frmBattleControl", "The enemy's health (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return c.ui.lbl_Enemy_HP_val->text(); }},
    {BattleRules::Unusable::EnemyStrength,
     QT_TRANSLATE_NOOP("frmBattleControl", "The enemy's strength (%1) cannot be used in battle: nothing happened."),
     [](const Captions &c) { return CaptionNumber::format(c.enemyStrength); }},
};

// The table is read by the value's number.
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < std::size(RefusalLines); ++i) {
        if (std::size_t(RefusalLines[i].value) != i)
            return false;
    }
    return true;
}
static_assert(std::size(RefusalLines) == std::size_t(BattleRules::Unusable::EnemyStrength) + 1 && inOrder(),
              "one row for each value that can stop a move, in the order of BattleRules::Unusable");

// The refusal a rule's ruling carries, if it carries one.
template <typename Result>
std::optional<BattleRules::Unusable> refusalIn(const BattleRules::Ruling<Result> &ruling)
{
    if (const auto *stopped = std::get_if<BattleRules::Unusable>(&ruling))
        return *stopped;
    return std::nullopt;
}

BattleRules::Number numberOf(const QLabel *label)
{
    return CaptionNumber::tryParse(label->text());
}

float nextDraw()
{
    return RandomSource::next();
}

QString number(double value)
{
    return CaptionNumber::format(value);
}

QString instructionsText()
{
    return QStringList{
        //: The heading of the battle's instructions; the trailing space is part of it.
        frmBattleControl::tr("INSTRUCTIONS: "),
        GameRules::attackInstruction(),
        frmBattleControl::tr("BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your "
                             "Wisdom in damage."),
        frmBattleControl::tr("HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by "
                             "your Wisdom."),
        GameRules::retreatInstruction(),
    }
        .join(Language::lineBreak() + Language::lineBreak());
}

// The stand-ins for the design font can run a little wider than the
// design font, which can push the last line of a long caption out of its
// box. Such a
// caption is drawn with its letters slightly closer together, at most a
// tenth, until it fits; the caption itself stays as it is.
bool fitToBox(QLabel *label)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    QFont font = label->font();
    bool fits = false;
    // Letters joined in writing (Arabic) are never drawn apart.
    const int closest = label->layoutDirection() == Qt::RightToLeft ? 100 : 90;
    for (int spacing = 100; spacing >= closest && !fits; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        fits = room.contains(QFontMetrics(font).boundingRect(room, flags, label->text()));
    }
    label->setFont(font);
    return fits;
}

// The instructions in their box: paragraphs a blank line apart; where even
// the closer letters leave them too tall (languages whose lines are
// higher), one line break apart.
void fitInstructions(QLabel *label)
{
    if (fitToBox(label))
        return;
    const QString lineBreak = Language::lineBreak();
    label->setText(label->text().replace(lineBreak + lineBreak, lineBreak));
    fitToBox(label);
}

} // namespace

frmBattleControl::frmBattleControl(const MapControls &map)
    : QDialog(map.window)
    , ui(std::make_unique<Ui::frmBattleControl>())
    , m_map(map)
{
    WindowSetup::setUpForm(*ui, this);
    // A caption but no close, minimize or maximize box, and no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    WindowPlacement::keepSize(this);
    setModal(true);
    for (PictureBox *bar : {ui->pic_Player, ui->pic_Enemy})
        bar->setProperty(AccessibleProperty::FullTwips, BattleRules::BarTwips);

    // Enter presses nothing: no button is a default button.
    for (QPushButton *button : {ui->cmd_Attack, ui->cmd_Blast, ui->cmd_Heal, ui->cmd_Retreat}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(ui->cmd_Attack, &QPushButton::clicked, this, &frmBattleControl::cmd_Attack_Click);
    connect(ui->cmd_Blast, &QPushButton::clicked, this, &frmBattleControl::cmd_Blast_Click);
    connect(ui->cmd_Heal, &QPushButton::clicked, this, &frmBattleControl::cmd_Heal_Click);
    connect(ui->cmd_Retreat, &QPushButton::clicked, this, &frmBattleControl::cmd_Retreat_Click);

    // The map window may not close while the battle is open.
    m_map.window->installEventFilter(this);

    Form_Load();
    fitInstructions(ui->lbl_Instructions);
}

frmBattleControl::~frmBattleControl() = default;

void frmBattleControl::Form_Load()
{
    RandomSource::randomize();

    const QString tag = m_map.lbl_EnemyTag->text();
    const auto noSuchEnemy = [&] {
        callOff(
            tr("There is no enemy \"%1\" to fight, so this battle cannot take place.").arg(GameError::excerpt(tag)));
    };
    const std::optional<double> index = CaptionNumber::tryParse(tag);
    const std::optional<qint16> marker = index ? CaptionNumber::tryInt16(*index) : std::nullopt;
    if (!marker || *marker < 0 || *marker >= static_cast<int>(m_map.pic_Enemy.size()) || !m_map.pic_Enemy[*marker])
        return noSuchEnemy();
    const float r = RandomSource::next();

    const QString strengthCaption = m_map.lbl_ST_val->text();
    const auto unusableStrength = [&] {
        callOff(tr("Your Strength (%1) is not a number of 0 or more, so this battle cannot "
                   "take place. The enemy stays on your square: step away from it, and mend the file.")
                    .arg(GameError::excerpt(strengthCaption)));
    };
    const std::optional<double> strength = CaptionNumber::tryParse(strengthCaption);
    if (!strength || *strength < 0)
        return unusableStrength();

    // With an index of 0 to 20 and Strength 0 or more every value below
    // fits in 16 bits; the conversions stay checked all the same.
    const std::optional<qint16> rolled = BattleRules::enemyStrength(*index, r);
    if (!rolled)
        return noSuchEnemy();
    EnemyStrength = *rolled;
    ui->lbl_Enemy_HP_val->setText(number(EnemyStrength));

    const std::optional<BattleRules::StrengthBars> bars = BattleRules::strengthBars(*strength, EnemyStrength);
    if (!bars)
        return unusableStrength();
    ui->pic_Player->setWidthTwips(bars->player);
    ui->pic_Enemy->setWidthTwips(bars->enemy);
    // Only the enemy's colour: a picture on its map marker stays there.
    m_enemy = m_map.pic_Enemy[*marker];
    ui->pic_Enemy->setBackColor(m_enemy->backColor());

    ui->lbl_HP_val->setText(m_map.lbl_HP_val->text());
    ui->lbl_MP_val->setText(m_map.lbl_MP_val->text());
    ClearStatus();
    ui->lbl_Instructions->setText(instructionsText());
}

BattleEnd frmBattleControl::end() const
{
    return {EnemyStrength, ui->lbl_Status->text()};
}

void frmBattleControl::ClearStatus()
{
    ui->lbl_Status->setText(QString());
}

void frmBattleControl::cmd_Attack_Click()
{
    playerTurn(&frmBattleControl::attack);
}

void frmBattleControl::cmd_Blast_Click()
{
    playerTurn(&frmBattleControl::blast);
}

void frmBattleControl::cmd_Heal_Click()
{
    playerTurn(&frmBattleControl::heal);
}

void frmBattleControl::cmd_Retreat_Click()
{
    if (m_battleOver)
        return;
    // After a kill the index stays in the tag: that reports the win.
    if (ui->lbl_Enemy_HP_val->text() != Dead)
        m_map.lbl_EnemyTag->setText(Retreat);
    ReturnStatsToMap();
    endBattle();
}

frmBattleControl::Refusal frmBattleControl::attack()
{
    if (enemyDefeated())
        return std::nullopt;
    RandomSource::randomize();
    ClearStatus();
    const auto ruling = BattleRules::attack(numberOf(m_map.lbl_DX_val), numberOf(m_map.lbl_ST_val),
                                            numberOf(ui->lbl_Enemy_HP_val), EnemyStrength, nextDraw);
    if (const Refusal refused = refusalIn(ruling))
        return refused;
    const auto &attack = std::get<BattleRules::Attack>(ruling);
    if (!attack.hit()) {
        //: %1 is how far the player's roll fell short, a number of 0 or more.
        ui->lbl_Status->setText(tr("You miss by -%1").arg(number(std::fabs(double(attack.margin)))));
        hear(SoundSet::Effect::YourMiss);
    } else {
        ui->lbl_Enemy_HP_val->setText(number(attack.enemyHealth));
        //: %1 is how far the player's roll beat the enemy's; %n the damage done.
        ui->lbl_Status->setText(
            tr("You hit by +%1 and inflict %n damage.", nullptr, attack.damage).arg(number(attack.margin)));
        hear(SoundSet::Effect::YourHit);
    }
    if (const Refusal refused = CheckEnemyDead())
        return refused;
    return EnemyAttack();
}

frmBattleControl::Refusal frmBattleControl::blast()
{
    if (enemyDefeated())
        return std::nullopt;
    ClearStatus();
    const std::optional<double> magic = numberOf(ui->lbl_MP_val);
    if (!magic)
        return BattleRules::Unusable::Magic;
    if (!BattleRules::canSpend(*magic)) {
        ui->lbl_Status->setText(noMagicLine());
        return std::nullopt;
    }
    RandomSource::randomize();
    const auto ruling =
        BattleRules::blast(numberOf(m_map.lbl_WS_val), numberOf(ui->lbl_Enemy_HP_val), *magic, nextDraw);
    if (const Refusal refused = refusalIn(ruling))
        return refused;
    const auto &blast = std::get<BattleRules::Blast>(ruling);
    ui->lbl_Enemy_HP_val->setText(number(blast.enemyHealth));
    ui->lbl_MP_val->setText(number(blast.magic));
    //: %n is both the damage done and the magic spent.
    ui->lbl_Status->setText(tr("You magically blast for %n magic points.", nullptr, blast.damage));
    hear(SoundSet::Effect::Blast);
    if (const Refusal refused = CheckEnemyDead())
        return refused;
    return EnemyAttack();
}

frmBattleControl::Refusal frmBattleControl::heal()
{
    ClearStatus();
    const auto ruling = BattleRules::heal(numberOf(ui->lbl_HP_val), numberOf(m_map.lbl_HP_max),
                                          numberOf(ui->lbl_MP_val), numberOf(m_map.lbl_WS_val));
    if (const Refusal refused = refusalIn(ruling))
        return refused;
    const auto &heal = std::get<BattleRules::Heal>(ruling);
    switch (heal.kind) {
    case BattleRules::Heal::NoMagic:
        ui->lbl_Status->setText(noMagicLine());
        return std::nullopt;
    case BattleRules::Heal::NotNeeded:
        ui->lbl_Status->setText(tr("You don't need healing !"));
        break;
    case BattleRules::Heal::Healed:
        ui->lbl_HP_val->setText(number(heal.health));
        ui->lbl_MP_val->setText(number(heal.magic));
        //: %n is both the health restored and the magic spent.
        ui->lbl_Status->setText(tr("You heal for %n magic points.", nullptr, heal.amount));
        hear(SoundSet::Effect::Heal);
        break;
    }
    return EnemyAttack();
}

frmBattleControl::Refusal frmBattleControl::CheckEnemyDead()
{
    const std::optional<double> enemyHealth = numberOf(ui->lbl_Enemy_HP_val);
    if (!enemyHealth)
        return BattleRules::Unusable::EnemyHealth;
    if (!BattleRules::defeated(*enemyHealth))
        return std::nullopt;
    ui->lbl_Enemy_HP_val->setText(Dead);
    hear(SoundSet::Effect::Win);
    // Leaving with the win is what is left to do.
    ui->cmd_Retreat->setFocus();
    ui->cmd_Attack->hide();
    ui->cmd_Blast->hide();
    return std::nullopt;
}

frmBattleControl::Refusal frmBattleControl::EnemyAttack()
{
    // A defeated enemy does not act.
    if (enemyDefeated())
        return std::nullopt;
    RandomSource::randomize();
    const auto ruling =
        BattleRules::enemyTurn(numberOf(m_map.lbl_DX_val), numberOf(ui->lbl_HP_val), EnemyStrength, nextDraw);
    if (const Refusal refused = refusalIn(ruling))
        return refused;
    const auto &turn = std::get<BattleRules::EnemyTurn>(ruling);
    if (!turn.hit()) {
        //: %1 is how far the enemy's roll fell short, a number above 0.
        appendStatus(tr("Enemy missed by -%1").arg(number(turn.margin)));
        hear(SoundSet::Effect::EnemyMiss);
        return std::nullopt;
    }
    //: %1 is how far the enemy's roll beat the player's dodge; %n the damage done.
    appendStatus(tr("Enemy hits you by +%1 and it inflicts %n damage.", nullptr, turn.damage)
                     .arg(number(std::fabs(double(turn.margin)))));
    ui->lbl_HP_val->setText(number(turn.health));
    hear(SoundSet::Effect::EnemyHit);
    if (!turn.killed())
        return std::nullopt;

    // Death: the result first, then the player is told (heard while the
    // message waits), then the battle ends.
    m_map.lbl_EnemyTag->setText(Dead);
    tellDeath();
    hear(SoundSet::Effect::Death);
    playSounds();
    MessageBox::show(tr("You have died."));
    ReturnStatsToMap();
    endBattle();
    return std::nullopt;
}

// What the hall of the fallen will keep of the death, told to a reader
// before the message: the enemy, its strength and the battle's last lines.
void frmBattleControl::tellDeath()
{
    const QStringList lines = ui->lbl_Status->text().split(Language::lineBreak(), Qt::SkipEmptyParts);
    //: Told by a screen reader just before "You have died.": %1 is the enemy ("Red enemy"), %2 its strength,
    //: %3 the battle's last lines.
    AccessibleUpdates::say(
        this,
        tr("%1, strength %2, has killed you. The battle's last lines: %3")
            .arg(m_enemy->accessibleName(), number(EnemyStrength), LabelAccessible::sentences(lines)));
}

void frmBattleControl::ReturnStatsToMap()
{
    m_map.lbl_HP_val->setText(ui->lbl_HP_val->text());
    m_map.lbl_MP_val->setText(ui->lbl_MP_val->text());
}

void frmBattleControl::playerTurn(Refusal (frmBattleControl::*move)())
{
    if (m_battleOver)
        return;
    const QString enemyHealth = ui->lbl_Enemy_HP_val->text();
    const QString health = ui->lbl_HP_val->text();
    const QString magic = ui->lbl_MP_val->text();
    const bool attackShown = !ui->cmd_Attack->isHidden();
    const bool blastShown = !ui->cmd_Blast->isHidden();
    m_sounds.clear();
    const auto rollBack = [&](const QString &report) {
        m_sounds.clear();
        ui->lbl_Enemy_HP_val->setText(enemyHealth);
        ui->lbl_HP_val->setText(health);
        ui->lbl_MP_val->setText(magic);
        ui->cmd_Attack->setVisible(attackShown);
        ui->cmd_Blast->setVisible(blastShown);
        ui->lbl_Status->setText(report);
    };
    // A refusal comes before the move acts on a death, so a refused move
    // has changed only this window. The event boundary: nothing the toolkit
    // or the library throws may escape into the event loop.
    try {
        if (const Refusal refused = (this->*move)())
            rollBack(refusalLine(*refused));
    } catch (const std::exception &) {
        rollBack(tr("That move could not be carried out: nothing happened."));
    }
    playSounds();
    // The turn's lines, as a screen reader speaks them where the focus is.
    if (!m_battleOver)
        AccessibleUpdates::announce(ui->lbl_Status);
}

bool frmBattleControl::enemyDefeated() const
{
    return ui->lbl_Enemy_HP_val->text() == Dead;
}

QString frmBattleControl::refusalLine(BattleRules::Unusable value) const
{
    const RefusalLine &line = RefusalLines[std::size_t(value)];
    return tr(line.sentence).arg(GameError::excerpt(line.caption(Captions{m_map, *ui, EnemyStrength})));
}

QString frmBattleControl::noMagicLine()
{
    return tr("You have no magic available.");
}

void frmBattleControl::appendStatus(const QString &line)
{
    ui->lbl_Status->setText(ui->lbl_Status->text() + Language::lineBreak() + line);
}

void frmBattleControl::hear(SoundSet::Effect effect)
{
    m_sounds.push_back(effect);
}

void frmBattleControl::playSounds()
{
    for (SoundSet::Effect effect : m_sounds)
        Sound::play(effect);
    m_sounds.clear();
}

void frmBattleControl::callOff(const QString &reason)
{
    // The enemy stays where it is, and health and magic on the map were
    // never taken over, so they stand unchanged.
    m_map.lbl_EnemyTag->setText(Retreat);
    m_battleOver = true;
    MessageBox::show(reason);
}

void frmBattleControl::endBattle()
{
    m_battleOver = true;
    hide();
}

int frmBattleControl::exec()
{
    // A battle that was called off at load is over before it is shown.
    if (m_battleOver)
        return result();
    Sound::play(SoundSet::Effect::BattleOpens);
    return QDialog::exec();
}

void frmBattleControl::setVisible(bool visible)
{
    if (visible && m_battleOver)
        return;
    if (visible && !isVisible())
        WindowPlacement::centreOn(this, parentWidget());
    QDialog::setVisible(visible);
}

void frmBattleControl::reject()
{
}

bool frmBattleControl::leaveWon()
{
    if (m_battleOver || !enemyDefeated())
        return false;
    for (QDialog *over : findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (over->isVisible())
            over->reject();
    }
    cmd_Retreat_Click();
    return true;
}

void frmBattleControl::closeEvent(QCloseEvent *event)
{
    if (!m_battleOver) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool frmBattleControl::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (m_activated)
            ui->lbl_Instructions->setProperty(AccessibleProperty::Silent, true);
        m_activated = true;
    }
    return QDialog::event(event);
}

bool frmBattleControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_map.window && event->type() == QEvent::Close && !m_battleOver && isVisible()) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
