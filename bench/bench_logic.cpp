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
#include "map/frmmaingamewindow.h"
#include "forms/messagebox.h"
#include "system/programend.h"
#include "system/programfolder.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

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
