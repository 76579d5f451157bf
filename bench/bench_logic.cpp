// Micro-benchmarks of the game's rules, without the screen: the windows are
// created but never shown, so no figure here includes painting. The game
// runs in a temporary program folder with message boxes and the program's
// end answered by the bench, as in the tests.
//
// Every call into the game's code is in the section "The game, as the
// bench drives it" below; the benchmarks use only those few functions.

#include "battle/frmbattlecontrol.h"
#include "hall/hallwindow.h"
#include "logic/fallenhistory.h"
#include "logic/defaultcharacter.h"
#include "logic/modgamelogiccode.h"
#include "logic/captionnumber.h"
#include "map/enemyclock.h"
#include "map/frmmaingamewindow.h"
#include "forms/messagebox.h"
#include "system/programend.h"
#include "system/programfolder.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {

// --- The game, as the bench drives it --------------------------------------

// A map window started up on a fresh default character in a folder of its own.
class Game
{
public:
    Game()
    {
        ProgramFolder::setOverride(m_dir.path());
        // The game as it starts with no settings file, whatever the
        // player's own settings say.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
        MessageBox::setHandler([](const QString &, const QString &) {});
        ProgramEnd::setHandler([](int) {});
        QFile file(m_dir.path() + QStringLiteral("/Character.chx"));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the character file");
        for (const char *line : GameRules::DefaultCharacter)
            file.write(QByteArray(line) + "\r\n");
        file.close();
        m_map = std::make_unique<frmMainGameWindow>();
        if (m_map->Form_Load().ends())
            qFatal("the map window did not start up");
        m_bar = m_map->findChild<QProgressBar *>(QStringLiteral("prog_MoveTime"));
        m_clock = m_map->findChild<QTimer *>(QStringLiteral("Timer1"));
        m_worldMap = m_map->findChild<QWidget *>(QStringLiteral("pic_WorldMap"));
        m_enemyTag = m_map->findChild<QLabel *>(QStringLiteral("lbl_EnemyTag"));
    }

    ~Game()
    {
        m_map.reset();
        ProgramEnd::clearHandler();
        MessageBox::clearHandler();
        ProgramFolder::clearOverride();
    }

    frmMainGameWindow *map() const { return m_map.get(); }

    // One tick of the enemy clock, as its timer gives it.
    void tick() { m_tick.invoke(m_clock, Qt::DirectConnection); }
    // Sets the clock to the tick before a phase.
    void setClock(int value) { m_bar->setValue(value); }

    // One key pressed on the map, as the keyboard delivers it.
    void press(Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_worldMap, &event);
    }

    // A history of `count` fallen characters beside the character file, each
    // with other points earned and the battle's last two lines.
    void writeFallen(int count)
    {
        QByteArray bytes = FallenHistory::header();
        FallenHistory::Record record;
        record.died = QDateTime(QDate(2026, 12, 6), QTime(23, 55, 11));
        record.archive = QStringLiteral("Dead_23.55.11_06.12.2026.txt");
        record.statistics = {QStringLiteral("14"), QStringLiteral("12"), QStringLiteral("10"), QStringLiteral("16"),
                             QStringLiteral("10")};
        record.levels = {QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("9"),
                         QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2")};
        record.killer = GameRules::Orange;
        record.strength = 31;
        record.lastLines = {QStringLiteral("You miss by -2"),
                            QStringLiteral("Enemy hits you by +4 and it inflicts 7 damage.")};
        for (int i = 0; i < count; ++i) {
            record.points = QString::number(i % 97);
            record.earned = FallenHistory::earned(record.statistics, record.points);
            record.died = record.died.addSecs(-3600);
            bytes += FallenHistory::line(record);
        }
        QFile file(FallenHistory::path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the history of the fallen");
    }

    // A battle window set up against enemy `index`, not yet shown.
    std::unique_ptr<frmBattleControl> openBattle(int index)
    {
        m_enemyTag->setText(QString::number(index));
        return std::make_unique<frmBattleControl>(m_map->controls());
    }

    // Every battle from now on is fought by `fight` in place of the
    // player at the battle window.
    void fightWith(std::function<BattleEnd(const MapControls &)> fight) { m_map->setBattle(std::move(fight)); }
    const MapControls &controls() const { return m_map->controls(); }
    QString characterPath() const { return m_dir.path() + QStringLiteral("/Character.chx"); }

    void loadCharacter() { modGameLogicCode::LoadCharacter(m_map->controls()); }
    void saveCharacter() { modGameLogicCode::SaveCharacter(m_map->controls()); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<frmMainGameWindow> m_map;
    QProgressBar *m_bar = nullptr;
    QTimer *m_clock = nullptr;
    const QMetaMethod m_tick = QMetaMethod::fromSignal(&QTimer::timeout);
    QWidget *m_worldMap = nullptr;
    QLabel *m_enemyTag = nullptr;
};

// --- The benchmarks ----------------------------------------------------------

// One enemy phase: the 100th tick of the clock, which heals the player (who
// stands in the healing row) and moves all 21 enemies.
void enemyPhase(benchmark::State &state)
{
    Game game;
    for (auto _ : state) {
        game.setClock(99);
        game.tick();
    }
}
BENCHMARK(enemyPhase);

// A whole turn of the clock: 99 ticks that only advance the bar, then the phase.
void enemyClockHundredTicks(benchmark::State &state)
{
    Game game;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            game.tick();
    }
}
BENCHMARK(enemyClockHundredTicks);

// Setting up and closing the battle window against the strongest enemy.
void battleSetUp(benchmark::State &state)
{
    Game game;
    for (auto _ : state) {
        auto battle = game.openBattle(0);
        benchmark::DoNotOptimize(battle.get());
    }
}
BENCHMARK(battleSetUp);

// One Attack and the enemy's answer. Both sides get health enough that
// nobody dies for thousands of rounds; it is topped up when it runs low.
void attackWithEnemyTurn(benchmark::State &state)
{
    Game game;
    auto battle = game.openBattle(0);
    auto *attack = battle->findChild<QPushButton *>(QStringLiteral("cmd_Attack"));
    auto *health = battle->findChild<QLabel *>(QStringLiteral("lbl_HP_val"));
    auto *enemyHealth = battle->findChild<QLabel *>(QStringLiteral("lbl_Enemy_HP_val"));
    const QString plenty = QStringLiteral("30000");
    for (auto _ : state) {
        if (health->text().size() < 4 || enemyHealth->text().size() < 4) {
            health->setText(plenty);
            enemyHealth->setText(plenty);
        }
        attack->click();
    }
}
BENCHMARK(attackWithEnemyTurn);

// Reading the character file into the map window and writing it back.
void loadAndSaveCharacter(benchmark::State &state)
{
    Game game;
    for (auto _ : state) {
        game.loadCharacter();
        game.saveCharacter();
    }
}
BENCHMARK(loadAndSaveCharacter);

// One arrow key on the map with its encounter check, back and forth along
// the healing row, where no enemy ever stands.
void arrowKeyWithEncounterCheck(benchmark::State &state)
{
    Game game;
    bool right = true;
    for (auto _ : state) {
        game.press(right ? Qt::Key_Right : Qt::Key_Left);
        right = !right;
    }
}
BENCHMARK(arrowKeyWithEncounterCheck);

// One arrow key onto a shown enemy whose battle is won at once: a
// stand-in for the battle window leaves the enemy's index in the tag, as
// a kill does. The figure is the key, the encounter and what the win
// does on the map, the character's save included where the game saves it.
void winKey(benchmark::State &state)
{
    Game game;
    game.fightWith([](const MapControls &) { return BattleEnd{}; });
    const MapControls &map = game.controls();
    PictureBox *enemy = map.pic_Enemy[GameRules::EnemyCount - 1];
    for (auto _ : state) {
        enemy->show();
        map.pic_Player->setLeft(enemy->left() - 16.0f);
        map.pic_Player->setTop(enemy->top());
        game.press(Qt::Key_Right);
    }
}
BENCHMARK(winKey);

// F3's hall of the fallen with that many records: the history read and
// sorted, the table made and its columns fitted, and the window drawn once
// whole (grab(), the first picture the player would see).
void hallOpens(benchmark::State &state)
{
    Game game;
    game.writeFallen(int(state.range(0)));
    for (auto _ : state) {
        HallWindow hall(game.map());
        benchmark::DoNotOptimize(hall.grab());
    }
    state.SetLabel(QStringLiteral("%1 records").arg(state.range(0)).toStdString());
}
BENCHMARK(hallOpens)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Of that, reading and checking the history alone.
void historyRead(benchmark::State &state)
{
    Game game;
    game.writeFallen(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FallenHistory::read());
}
BENCHMARK(historyRead)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// --- Ten minutes of play -------------------------------------------------------

// A player who does nothing but fight, at a human pace, on the real map and
// battle windows (not shown): an arrow key every quarter of a second (15
// ticks of the enemy clock), a button every half second. The player walks
// to the nearest shown enemy that cannot kill them with one blow, attacks
// until it dies and leaves with the win, or retreats when the next blow
// could kill, and heals in the healing row while health is below half.
// Points are spent as they come, on Health and Strength in turn. After
// every step the character file is looked at: a new file in its place is
// one save.
class FightingPlayer
{
public:
    static constexpr int KeyTicks = 15;
    static constexpr int ButtonTicks = 30;
    static constexpr int TenMinutes = int(600'000 / EnemyClock::TickInterval.count());

    explicit FightingPlayer(Game &game)
        : m_game(game)
        , m_map(game.controls())
    {
        game.fightWith([this](const MapControls &map) { return fight(map); });
    }

    void play()
    {
        lookAtFile();
        while (m_ticks < TenMinutes) {
            if (number(m_map.lbl_Points_val) >= 1)
                spendPoint();
            else
                step();
            lookAtFile();
        }
    }

    int battles = 0;
    int wins = 0;
    int pointsSpent = 0;
    int saves = 0;
    qint64 savedBytes = 0;

private:
    static double number(const QLabel *label) { return CaptionNumber::tryParse(label->text()).value_or(0.0); }
    // The most a blow of enemy `index` can take: half its greatest strength.
    static double heaviestBlow(int index) { return std::floor(((20 - index) * 2 + 12) / 2.0); }

    void wait(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            m_game.tick();
        m_ticks += ticks;
    }

    void spendPoint()
    {
        m_map.gainButtons[pointsSpent % 2 ? 0 : 3]->click();
        ++pointsSpent;
        wait(ButtonTicks);
    }

    // The nearest shown enemy that cannot kill a player of this health
    // with one blow, if any.
    const PictureBox *target(double health) const
    {
        const PictureBox *me = m_map.pic_Player;
        const PictureBox *found = nullptr;
        float nearest = 1e9f;
        for (int i = 0; i < GameRules::EnemyCount; ++i) {
            const PictureBox *enemy = m_map.pic_Enemy[i];
            const float distance = std::abs(enemy->left() - me->left()) + std::abs(enemy->top() - me->top());
            if (enemy->shown() && heaviestBlow(i) < health && distance < nearest) {
                nearest = distance;
                found = enemy;
            }
        }
        return found;
    }

    void step()
    {
        const double health = number(m_map.lbl_HP_val);
        const double most = number(m_map.lbl_HP_max);
        const PictureBox *me = m_map.pic_Player;
        const PictureBox *enemy = target(health);
        m_healing = health < most && (m_healing || 2 * health < most || !enemy);
        if (m_healing && me->top() < GameRules::HealingRowTop)
            m_game.press(Qt::Key_Down);
        if (m_healing || !enemy) {
            wait(KeyTicks);
            return;
        }
        if (enemy->left() != me->left())
            m_game.press(enemy->left() < me->left() ? Qt::Key_Left : Qt::Key_Right);
        else if (enemy->top() != me->top())
            m_game.press(enemy->top() < me->top() ? Qt::Key_Up : Qt::Key_Down);
        else
            m_game.press(Qt::Key_Space);
        wait(KeyTicks);
    }

    // The battle window, with the player's buttons pressed at half-second
    // steps; the enemy clock stands still meanwhile.
    BattleEnd fight(const MapControls &map)
    {
        ++battles;
        frmBattleControl window(map);
        auto *attack = window.findChild<QPushButton *>(QStringLiteral("cmd_Attack"));
        auto *retreat = window.findChild<QPushButton *>(QStringLiteral("cmd_Retreat"));
        auto *health = window.findChild<QLabel *>(QStringLiteral("lbl_HP_val"));
        auto *enemy = window.findChild<QLabel *>(QStringLiteral("lbl_Enemy_HP_val"));
        const double blow = std::floor(number(enemy) / 2.0);
        for (;;) {
            m_ticks += ButtonTicks;
            if (enemy->text() == GameRules::Dead || number(health) <= blow) {
                retreat->click();
                break;
            }
            attack->click();
        }
        if (map.lbl_EnemyTag->text() != GameRules::Retreat)
            ++wins;
        return window.end();
    }

    void lookAtFile()
    {
        struct stat now
        {
        };
        if (::stat(QFile::encodeName(m_game.characterPath()).constData(), &now) != 0)
            return;
        if (now.st_ino != m_file.st_ino || now.st_ctim.tv_nsec != m_file.st_ctim.tv_nsec
            || now.st_ctim.tv_sec != m_file.st_ctim.tv_sec) {
            if (m_file.st_ino != 0) {
                ++saves;
                savedBytes += now.st_size;
            }
            m_file = now;
        }
    }

    Game &m_game;
    const MapControls &m_map;
    int m_ticks = 0;
    bool m_healing = false;
    struct stat m_file
    {
    };
};

// What ten minutes of that play write: the saves and their bytes, and what
// the kernel counts for the process (/proc/self/io: bytes handed to write
// calls, write calls, bytes sent towards the disk).
void tenMinutesOfFighting(benchmark::State &state)
{
    const auto io = [] {
        QFile file(QStringLiteral("/proc/self/io"));
        QMap<QByteArray, double> values;
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray &line : file.readAll().split('\n'))
                if (const qsizetype colon = line.indexOf(':'); colon > 0)
                    values[line.left(colon)] = line.mid(colon + 1).trimmed().toDouble();
        return values;
    };
    for (auto _ : state) {
        Game game;
        FightingPlayer player(game);
        const auto before = io();
        player.play();
        const auto after = io();
        state.counters["battles"] = player.battles;
        state.counters["wins"] = player.wins;
        state.counters["points"] = player.pointsSpent;
        state.counters["saves"] = player.saves;
        state.counters["savedBytes"] = double(player.savedBytes);
        state.counters["wchar"] = after["wchar"] - before["wchar"];
        state.counters["syscw"] = after["syscw"] - before["syscw"];
        state.counters["write_bytes"] = after["write_bytes"] - before["write_bytes"];
    }
}
BENCHMARK(tenMinutesOfFighting)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Nothing is shown: the bench needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
