#include "battle/frmbattlecontrol.h"
#include "ui_frmBattleControl.h"

#include "logic/gamerules.h"
#include "accessibility/accessibleupdates.h"
#include "logic/captionnumber.h"
#include "system/gameerror.h"
#include "system/language.h"
#include "forms/messagebox.h"
#include "system/randomsource.h"
#include "forms/windowplacement.h"
#include "forms/windowsetup.h"
#include "widgets/accessibleproperty.h"

#include <QCloseEvent>
#include <cmath>
#include <optional>

namespace {

using GameRules::Dead;
using GameRules::Retreat;

// A value a move cannot work with: a statistic that is not a number, or an
// amount that does not fit in 16 bits. The move is undone and the status
// line says which value stopped it; `sentence` holds the value's caption
// at %1.
struct UnusableValue
{
    QString sentence;
    QString caption;

    QString report() const { return sentence.arg(GameError::excerpt(caption)); }
};

double numberIn(const QLabel *label, const QString &sentence)
{
    const std::optional<double> value = CaptionNumber::tryParse(label->text());
    if (!value)
        throw UnusableValue{sentence, label->text()};
    return *value;
}

QString enemyHealthUnusable()
{
    return frmBattleControl::tr("The enemy's health (%1) cannot be used in battle: nothing happened.");
}

QString magicUnusable()
{
    return frmBattleControl::tr("Your Magic (%1) cannot be used in battle: nothing happened.");
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
    }.join(Language::lineBreak() + Language::lineBreak());
}

// The stand-ins for the design font can run a little wider than the
// design font, which can push the last line of a long caption out of its
// box. Such a
// caption is drawn with its letters slightly closer together, at most a
// tenth, until it fits; the caption itself stays as it is.
bool fitToBox(QLabel *label)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
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
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
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
        callOff(tr("There is no enemy \"%1\" to fight, so this battle cannot take place.")
                    .arg(GameError::excerpt(tag)));
    };
    const std::optional<double> index = CaptionNumber::tryParse(tag);
    const std::optional<qint16> marker = index ? CaptionNumber::tryInt16(*index) : std::nullopt;
    if (!marker || *marker < 0 || *marker >= static_cast<int>(m_map.pic_Enemy.size())
        || !m_map.pic_Enemy[*marker])
        return noSuchEnemy();
    const float r = RandomSource::next();

    const QString strengthCaption = m_map.lbl_ST_val->text();
    const auto unusableStrength = [&] {
        callOff(tr("Your Strength (%1) is not a number of 0 or more, so this battle cannot "
                   "take place. You back away from the enemy.")
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
    ui->pic_Enemy->setBackColor(m_map.pic_Enemy[*marker]->backColor());

    ui->lbl_HP_val->setText(m_map.lbl_HP_val->text());
    ui->lbl_MP_val->setText(m_map.lbl_MP_val->text());
    ClearStatus();
    ui->lbl_Instructions->setText(instructionsText());
}

void frmBattleControl::ClearStatus()
{
    ui->lbl_Status->setText(QString());
}

void frmBattleControl::cmd_Attack_Click()
{
    playerTurn([this] {
        if (enemyDefeated())
            return;
        RandomSource::randomize();
        ClearStatus();
        const auto attack = resultOf(BattleRules::attack(numberOf(m_map.lbl_DX_val), numberOf(m_map.lbl_ST_val),
                                                  numberOf(ui->lbl_Enemy_HP_val), EnemyStrength, nextDraw));
        if (!attack.hit()) {
            //: %1 is how far the player's roll fell short, a number of 0 or more.
            ui->lbl_Status->setText(tr("You miss by -%1").arg(number(std::fabs(double(attack.margin)))));
        } else {
            ui->lbl_Enemy_HP_val->setText(number(attack.enemyHealth));
            //: %1 is how far the player's roll beat the enemy's; %n the damage done.
            ui->lbl_Status->setText(tr("You hit by +%1 and inflict %n damage.", nullptr, attack.damage)
                                        .arg(number(attack.margin)));
        }
        CheckEnemyDead();
        EnemyAttack();
    });
}

void frmBattleControl::cmd_Blast_Click()
{
    playerTurn([this] {
        if (enemyDefeated())
            return;
        const std::optional<double> magic = usableMagic();
        if (!magic)
            return;
        RandomSource::randomize();
        const auto blast = resultOf(
            BattleRules::blast(numberOf(m_map.lbl_WS_val), numberOf(ui->lbl_Enemy_HP_val), *magic, nextDraw));
        ui->lbl_Enemy_HP_val->setText(number(blast.enemyHealth));
        ui->lbl_MP_val->setText(number(blast.magic));
        //: %n is both the damage done and the magic spent.
        ui->lbl_Status->setText(tr("You magically blast for %n magic points.", nullptr, blast.damage));
        CheckEnemyDead();
        EnemyAttack();
    });
}

void frmBattleControl::cmd_Heal_Click()
{
    playerTurn([this] {
        ClearStatus();
        const auto heal = resultOf(BattleRules::heal(numberOf(ui->lbl_HP_val), numberOf(m_map.lbl_HP_max),
                                                     numberOf(ui->lbl_MP_val), numberOf(m_map.lbl_WS_val)));
        switch (heal.kind) {
        case BattleRules::Heal::NoMagic:
            ui->lbl_Status->setText(noMagicLine());
            return;
        case BattleRules::Heal::NotNeeded:
            ui->lbl_Status->setText(tr("You don't need healing !"));
            break;
        case BattleRules::Heal::Healed:
            ui->lbl_HP_val->setText(number(heal.health));
            ui->lbl_MP_val->setText(number(heal.magic));
            //: %n is both the health restored and the magic spent.
            ui->lbl_Status->setText(tr("You heal for %n magic points.", nullptr, heal.amount));
            break;
        }
        EnemyAttack();
    });
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

void frmBattleControl::CheckEnemyDead()
{
    if (!BattleRules::defeated(numberIn(ui->lbl_Enemy_HP_val, enemyHealthUnusable())))
        return;
    ui->lbl_Enemy_HP_val->setText(Dead);
    // Leaving with the win is what is left to do.
    ui->cmd_Retreat->setFocus();
    ui->cmd_Attack->hide();
    ui->cmd_Blast->hide();
}

void frmBattleControl::EnemyAttack()
{
    // A defeated enemy does not act.
    if (enemyDefeated())
        return;
    RandomSource::randomize();
    const auto turn = resultOf(
        BattleRules::enemyTurn(numberOf(m_map.lbl_DX_val), numberOf(ui->lbl_HP_val), EnemyStrength, nextDraw));
    if (!turn.hit()) {
        //: %1 is how far the enemy's roll fell short, a number above 0.
        appendStatus(tr("Enemy missed by -%1").arg(number(turn.margin)));
        return;
    }
    //: %1 is how far the enemy's roll beat the player's dodge; %n the damage done.
    appendStatus(tr("Enemy hits you by +%1 and it inflicts %n damage.", nullptr, turn.damage)
                     .arg(number(std::fabs(double(turn.margin)))));
    ui->lbl_HP_val->setText(number(turn.health));
    if (!turn.killed())
        return;

    // Death: the result first, then the player is told, then the battle ends.
    m_map.lbl_EnemyTag->setText(Dead);
    MessageBox::show(tr("You have died."));
    ReturnStatsToMap();
    endBattle();
}

void frmBattleControl::ReturnStatsToMap()
{
    m_map.lbl_HP_val->setText(ui->lbl_HP_val->text());
    m_map.lbl_MP_val->setText(ui->lbl_MP_val->text());
}

void frmBattleControl::playerTurn(const std::function<void()> &move)
{
    if (m_battleOver)
        return;
    const QString enemyHealth = ui->lbl_Enemy_HP_val->text();
    const QString health = ui->lbl_HP_val->text();
    const QString magic = ui->lbl_MP_val->text();
    const bool attackShown = !ui->cmd_Attack->isHidden();
    const bool blastShown = !ui->cmd_Blast->isHidden();
    const auto rollBack = [&](const QString &report) {
        ui->lbl_Enemy_HP_val->setText(enemyHealth);
        ui->lbl_HP_val->setText(health);
        ui->lbl_MP_val->setText(magic);
        ui->cmd_Attack->setVisible(attackShown);
        ui->cmd_Blast->setVisible(blastShown);
        ui->lbl_Status->setText(report);
    };
    // Nothing may escape into the event loop. Every value that can fail is
    // converted before the death is acted on, so a move that fails has
    // changed only this window.
    try {
        move();
    } catch (const UnusableValue &unusable) {
        rollBack(unusable.report());
    } catch (const std::exception &) {
        rollBack(tr("That move could not be carried out: nothing happened."));
    }
    // The turn's lines, as a screen reader speaks them where the focus is.
    if (!m_battleOver)
        AccessibleUpdates::announce(ui->lbl_Status);
}

std::optional<double> frmBattleControl::usableMagic()
{
    ClearStatus();
    const double magic = numberIn(ui->lbl_MP_val, magicUnusable());
    if (BattleRules::canSpend(magic))
        return magic;
    ui->lbl_Status->setText(noMagicLine());
    return std::nullopt;
}

bool frmBattleControl::enemyDefeated() const
{
    return ui->lbl_Enemy_HP_val->text() == Dead;
}

template <typename Result>
Result frmBattleControl::resultOf(BattleRules::Ruling<Result> ruling) const
{
    if (const auto *stopped = std::get_if<BattleRules::Unusable>(&ruling))
        refuse(*stopped);
    return std::get<Result>(ruling);
}

// The value that stopped a rule, told by its name and caption.
void frmBattleControl::refuse(BattleRules::Unusable value) const
{
    using BattleRules::Unusable;
    switch (value) {
    case Unusable::Dexterity:
        throw UnusableValue{tr("Your Dexterity (%1) cannot be used in battle: nothing happened."),
                            m_map.lbl_DX_val->text()};
    case Unusable::Strength:
        throw UnusableValue{tr("Your Strength (%1) cannot be used in battle: nothing happened."),
                            m_map.lbl_ST_val->text()};
    case Unusable::Wisdom:
        throw UnusableValue{tr("Your Wisdom (%1) cannot be used in battle: nothing happened."),
                            m_map.lbl_WS_val->text()};
    case Unusable::Health:
        throw UnusableValue{tr("Your Health (%1) cannot be used in battle: nothing happened."), ui->lbl_HP_val->text()};
    case Unusable::MissingHealth:
        //: %1 is "health of maximum health", both as their captions hold them.
        throw UnusableValue{tr("Your Health (%1) cannot be used in battle: nothing happened."),
                            tr("%1 of %2").arg(ui->lbl_HP_val->text(), m_map.lbl_HP_max->text())};
    case Unusable::MaximumHealth:
        throw UnusableValue{tr("Your maximum Health (%1) cannot be used in battle: nothing happened."),
                            m_map.lbl_HP_max->text()};
    case Unusable::Magic:
        throw UnusableValue{magicUnusable(), ui->lbl_MP_val->text()};
    case Unusable::EnemyHealth:
        throw UnusableValue{enemyHealthUnusable(), ui->lbl_Enemy_HP_val->text()};
    case Unusable::EnemyStrength:
        break;
    }
    throw UnusableValue{tr("The enemy's strength (%1) cannot be used in battle: nothing happened."),
                        number(EnemyStrength)};
}

QString frmBattleControl::noMagicLine()
{
    return tr("You have no magic available.");
}

void frmBattleControl::appendStatus(const QString &line)
{
    ui->lbl_Status->setText(ui->lbl_Status->text() + Language::lineBreak() + line);
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

void frmBattleControl::closeEvent(QCloseEvent *event)
{
    if (!m_battleOver) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool frmBattleControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_map.window && event->type() == QEvent::Close && !m_battleOver && isVisible()) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
