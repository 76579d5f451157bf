#include "battle/frmbattlecontrol.h"
#include "ui_frmBattleControl.h"

#include "logic/gamerules.h"
#include "accessibility/accessibleupdates.h"
#include "logic/captionnumber.h"
#include "system/gameerror.h"
#include "forms/messagebox.h"
#include "system/randomsource.h"
#include "forms/windowplacement.h"
#include "forms/windowsetup.h"

#include <QCloseEvent>
#include <cmath>
#include <optional>

namespace {

using GameRules::Dead;
using GameRules::Retreat;
const QString CrLf = QStringLiteral("\r\n");

// Both bars are this wide at design time; together they never exceed it.
constexpr double BarTwips = 4560.0;

// A value a move cannot work with: a statistic that is not a number, or an
// amount that does not fit in 16 bits. The move is undone and the status
// line says which value stopped it.
struct UnusableValue
{
    QString who;
    QString caption;

    QString report() const
    {
        return QStringLiteral("%1 (%2) cannot be used in battle: nothing happened.").arg(who, GameError::excerpt(caption));
    }
};

double numberIn(const QLabel *label, const QString &who)
{
    const std::optional<double> value = CaptionNumber::tryParse(label->text());
    if (!value)
        throw UnusableValue{who, label->text()};
    return *value;
}

qint16 whole16(double value, const QString &who, const QString &caption)
{
    const std::optional<qint16> whole = CaptionNumber::tryInt16(value);
    if (!whole)
        throw UnusableValue{who, caption};
    return *whole;
}

// A roll of 1 up to the statistic: floor(statistic x r) + 1, worked in
// double precision.
qint16 rollUpTo(const QLabel *statistic, const QString &who, float r)
{
    return whole16(std::floor(numberIn(statistic, who) * r) + 1.0, who, statistic->text());
}

QString number(double value)
{
    return CaptionNumber::format(value);
}

QString instructionsText()
{
    return QStringList{
        QStringLiteral("INSTRUCTIONS: "),
        GameRules::AttackInstruction,
        QStringLiteral("BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your "
                       "Wisdom in damage."),
        QStringLiteral("HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by "
                       "your Wisdom."),
        GameRules::RetreatInstruction,
    }.join(CrLf + CrLf);
}

// The stand-ins for the design font can run a little wider than the
// design font, which can push the last line of a long caption out of its
// box. Such a
// caption is drawn with its letters slightly closer together, at most a
// tenth, until it fits; the caption itself stays as it is.
void fitToBox(QLabel *label)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
    QFont font = label->font();
    for (int spacing = 100; spacing >= 90; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        if (room.contains(QFontMetrics(font).boundingRect(room, flags, label->text())))
            break;
    }
    label->setFont(font);
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
    fitToBox(ui->lbl_Instructions);
}

frmBattleControl::~frmBattleControl() = default;

void frmBattleControl::Form_Load()
{
    RandomSource::randomize();

    const QString tag = m_map.lbl_EnemyTag->text();
    const auto noSuchEnemy = [&] {
        callOff(QStringLiteral("There is no enemy \"%1\" to fight, so this battle cannot take place.")
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
        callOff(QStringLiteral("Your Strength (%1) is not a number of 0 or more, so this battle cannot "
                               "take place. You back away from the enemy.")
                    .arg(GameError::excerpt(strengthCaption)));
    };
    const std::optional<double> strength = CaptionNumber::tryParse(strengthCaption);
    if (!strength || *strength < 0)
        return unusableStrength();

    // With an index of 0 to 20 and Strength 0 or more every value below
    // fits in 16 bits; the conversions stay checked all the same.
    const std::optional<qint16> rolled = CaptionNumber::tryInt16(
        (20.0 - std::floor(*index)) * 2.0 + 6.0 + std::floor(static_cast<double>(r) * 5.0 + 2.0));
    if (!rolled)
        return noSuchEnemy();
    EnemyStrength = *rolled;
    ui->lbl_Enemy_HP_val->setText(number(EnemyStrength));

    // One scale for both bars, so that they show Strength against enemy
    // strength and never add up to more than one design bar.
    const std::optional<qint16> scale = CaptionNumber::tryInt16(std::floor(BarTwips / (*strength + EnemyStrength)));
    const std::optional<qint16> enemyWidth =
        scale ? CaptionNumber::tryInt16(static_cast<double>(EnemyStrength) * *scale) : std::nullopt;
    if (!enemyWidth)
        return unusableStrength();
    ui->pic_Player->setWidthTwips(static_cast<float>(*strength * *scale));
    ui->pic_Enemy->setWidthTwips(static_cast<float>(*enemyWidth));
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
        const float r1 = RandomSource::next();
        const float r2 = RandomSource::next();

        const QString you = QStringLiteral("Your Dexterity");
        const qint16 playerRoll = rollUpTo(m_map.lbl_DX_val, you, r1);
        const qint16 margin = whole16(double(playerRoll) - enemyRoll(r2), you, m_map.lbl_DX_val->text());

        if (margin <= 0) {
            ui->lbl_Status->setText(QStringLiteral("You miss by -") + number(std::fabs(double(margin))));
        } else {
            const float r3 = RandomSource::next();
            const qint16 damage = rollUpTo(m_map.lbl_ST_val, QStringLiteral("Your Strength"), r3);
            const double health = numberIn(ui->lbl_Enemy_HP_val, QStringLiteral("The enemy's health"));
            ui->lbl_Enemy_HP_val->setText(number(std::floor(health) - damage));
            ui->lbl_Status->setText(QStringLiteral("You hit by +") + number(margin) + QStringLiteral(" and inflict ")
                                   + number(damage) + QStringLiteral(" damage."));
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
        const std::optional<double> magicLeft = usableMagic();
        if (!magicLeft)
            return;
        const double magic = *magicLeft;
        RandomSource::randomize();
        const float r = RandomSource::next();

        qint16 damage = rollUpTo(m_map.lbl_WS_val, QStringLiteral("Your Wisdom"), r);
        // The smallest of the roll, the enemy's health and the magic left.
        const QString theEnemy = QStringLiteral("The enemy's health");
        const double health = numberIn(ui->lbl_Enemy_HP_val, theEnemy);
        if (health < damage)
            damage = whole16(health, theEnemy, ui->lbl_Enemy_HP_val->text());
        // Never more than the magic there is: 3.5 magic allows a blast of 3.
        if (magic < damage)
            damage = whole16(std::floor(magic), QStringLiteral("Your Magic"), ui->lbl_MP_val->text());

        ui->lbl_Enemy_HP_val->setText(number(std::floor(health) - damage));
        ui->lbl_MP_val->setText(number(std::floor(magic) - damage));
        ui->lbl_Status->setText(QStringLiteral("You magically blast for ") + number(damage)
                               + QStringLiteral(" magic points."));
        CheckEnemyDead();
        EnemyAttack();
    });
}

void frmBattleControl::cmd_Heal_Click()
{
    playerTurn([this] {
        const QLabel *maximum = m_map.lbl_HP_max;
        const double health = numberIn(ui->lbl_HP_val, QStringLiteral("Your Health"));
        qint16 need = whole16(numberIn(maximum, QStringLiteral("Your maximum Health")) - health,
                              QStringLiteral("Your Health"),
                              ui->lbl_HP_val->text() + QStringLiteral(" of ") + maximum->text());
        const std::optional<double> magicLeft = usableMagic();
        if (!magicLeft)
            return;
        const double magic = *magicLeft;
        if (need <= 0) {
            // Not refused: looking yourself over still costs the turn.
            ui->lbl_Status->setText(QStringLiteral("You don't need healing !"));
        } else {
            // The smallest of the missing health, the magic and Wisdom.
            if (magic < need)
                need = whole16(std::floor(magic), QStringLiteral("Your Magic"), ui->lbl_MP_val->text());
            const QLabel *wisdom = m_map.lbl_WS_val;
            const QString yourWisdom = QStringLiteral("Your Wisdom");
            const double wisdomValue = numberIn(wisdom, yourWisdom);
            if (wisdomValue < need)
                need = whole16(wisdomValue, yourWisdom, wisdom->text());
            ui->lbl_HP_val->setText(number(std::floor(health) + need));
            ui->lbl_MP_val->setText(number(std::floor(magic) - need));
            ui->lbl_Status->setText(QStringLiteral("You heal for ") + number(need) + QStringLiteral(" magic points."));
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
    if (std::floor(numberIn(ui->lbl_Enemy_HP_val, QStringLiteral("The enemy's health"))) >= 1)
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
    const float r1 = RandomSource::next();
    const float r2 = RandomSource::next();

    const QLabel *dexterity = m_map.lbl_DX_val;
    const QString you = QStringLiteral("Your Dexterity");
    // The dodge has no + 1: a tie is a hit.
    const qint16 dodge = whole16(std::floor(numberIn(dexterity, you) * r1), you, dexterity->text());
    const qint16 margin = whole16(double(dodge) - enemyRoll(r2), you, dexterity->text());
    if (margin > 0) {
        appendStatus(QStringLiteral("Enemy missed by -") + number(margin));
        return;
    }

    const float r3 = RandomSource::next();
    const qint16 damage = whole16(std::floor(static_cast<float>(EnemyStrength) * r3 / 2.0f),
                                  QStringLiteral("The enemy's strength"), number(EnemyStrength));
    appendStatus(QStringLiteral("Enemy hits you by +") + number(std::fabs(double(margin)))
                 + QStringLiteral(" and it inflicts ") + number(damage) + QStringLiteral(" damage."));
    const double health = numberIn(ui->lbl_HP_val, QStringLiteral("Your Health"));
    ui->lbl_HP_val->setText(number(std::floor(health) - damage));
    if (std::floor(numberIn(ui->lbl_HP_val, QStringLiteral("Your Health"))) >= 1)
        return;

    // Death: the result first, then the player is told, then the battle ends.
    m_map.lbl_EnemyTag->setText(Dead);
    MessageBox::show(QStringLiteral("You have died."));
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
        rollBack(QStringLiteral("That move could not be carried out: nothing happened."));
    }
    // The turn's lines, as a screen reader speaks them where the focus is.
    if (!m_battleOver)
        AccessibleUpdates::announce(ui->lbl_Status);
}

std::optional<double> frmBattleControl::usableMagic()
{
    ClearStatus();
    const double magic = numberIn(ui->lbl_MP_val, QStringLiteral("Your Magic"));
    if (magic >= 1)
        return magic;
    ui->lbl_Status->setText(QStringLiteral("You have no magic available."));
    return std::nullopt;
}

bool frmBattleControl::enemyDefeated() const
{
    return ui->lbl_Enemy_HP_val->text() == Dead;
}

qint16 frmBattleControl::enemyRoll(float r) const
{
    // The strength is taken as a single-precision value.
    return whole16(std::floor(static_cast<float>(EnemyStrength) * r) + 1.0f, QStringLiteral("The enemy's strength"),
                   number(EnemyStrength));
}

void frmBattleControl::appendStatus(const QString &line)
{
    ui->lbl_Status->setText(ui->lbl_Status->text() + CrLf + line);
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
