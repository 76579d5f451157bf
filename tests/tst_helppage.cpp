#include "testsupport.h"

#include "battle/battlerules.h"
#include "keys/gamekeys.h"
#include "help/helppage.h"
#include "logic/gamerules.h"
#include "map/enemyclock.h"
#include "map/frmmaingamewindow.h"
#include "system/language.h"
#include "widgets/mapgrid.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <cmath>
#include <optional>

namespace {

// The help as the player reads it.
QString page()
{
    QTextDocument document;
    document.setHtml(HelpPage::html());
    return document.toPlainText().simplified();
}

// The windows as the README's and the manual page's key tables name them.
QString placeOf(GameKeys::Window window)
{
    using W = GameKeys::Window;
    switch (window) {
    case W::Title:
        return QStringLiteral("Title");
    case W::Map:
        return QStringLiteral("Map");
    case W::Battle:
        return QStringLiteral("Battle");
    case W::Help:
        return QStringLiteral("Help");
    case W::Hall:
        return QStringLiteral("Hall");
    case W::MessageBox:
        return QStringLiteral("Message");
    case W::Question:
        return QStringLiteral("\"Save and quit?\"");
    }
    return QString();
}

// The key table as the README writes it: the windows a game is played in
// (the title, the map, the battle), a row for each key with the
// controller's buttons that do the same beside it, then the buttons that
// do what no key row does. The help and the manual page list the rest.
QString markdownKeys()
{
    QList<GameKeys::Key> all = GameKeys::all();
    all.removeIf([](const GameKeys::Key &key) {
        return key.window != GameKeys::Window::Title && key.window != GameKeys::Window::Map
            && key.window != GameKeys::Window::Battle;
    });
    QString text = QStringLiteral("| Where | Key | Button | What it does |\n|---|---|---|---|\n");
    QList<const GameKeys::Key *> alone;
    for (const GameKeys::Key &button : all) {
        if (!button.buttons.isEmpty())
            alone << &button;
    }
    for (const GameKeys::Key &key : all) {
        if (!key.buttons.isEmpty())
            continue;
        QStringList buttons;
        for (qsizetype i = 0; i < alone.size();) {
            if (alone[i]->window == key.window && alone[i]->action == key.action)
                buttons << alone.takeAt(i)->name;
            else
                ++i;
        }
        text += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                    .arg(placeOf(key.window), key.name, buttons.join(QLatin1String("; ")), key.action);
    }
    for (const GameKeys::Key *button : alone)
        text += QStringLiteral("| %1 | | %2 | %3 |\n").arg(placeOf(button->window), button->name, button->action);
    return text;
}

// The same as the manual page writes it: a part for each window, its keys
// and then its controller's buttons, one tagged paragraph a row.
QString roffKeys()
{
    QString text;
    for (bool buttons : {false, true}) {
        std::optional<GameKeys::Window> window;
        for (const GameKeys::Key &key : GameKeys::all()) {
            if (key.buttons.isEmpty() == buttons)
                continue;
            if (key.window != window) {
                window = key.window;
                text += buttons ? QStringLiteral(".SS %1, with a controller\n").arg(placeOf(key.window))
                                : QStringLiteral(".SS %1\n").arg(placeOf(key.window));
            }
            QString action = key.action;
            text += QStringLiteral(".TP\n.B %1\n%2\n")
                        .arg(key.name, action.replace(QLatin1Char('"'), QStringLiteral("\\(dq")));
        }
    }
    return text;
}

// The lines of `path` between a line holding `begin` and one holding `end`.
QString between(const QString &path, QLatin1String begin, QLatin1String end)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(%1 cannot be read)").arg(path);
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype from = text.indexOf(QLatin1Char('\n'), text.indexOf(begin)) + 1;
    const qsizetype to = text.lastIndexOf(QLatin1Char('\n'), text.indexOf(end)) + 1;
    return from > 0 && to > from ? text.mid(from, to - from) : QString();
}

} // namespace

// What the help tells a player against what the game does: its numbers
// are found out here from the rules and the windows themselves, so that a
// rule that changes without the page fails.
class tst_HelpPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void facts_data();
    void facts();
    void numbersFollowTheLanguage_data();
    void numbersFollowTheLanguage();
    void keyNamesAreTheGames_data();
    void keyNamesAreTheGames();
    void documentsListTheKeyTable_data();
    void documentsListTheKeyTable();
};

void tst_HelpPage::cleanup()
{
    Language::clear();
    QLocale::setDefault(QLocale::c());
}

void tst_HelpPage::facts_data()
{
    using namespace GameRules;
    QTest::addColumn<QString>("fact");

    // Each colour's weakest and strongest enemy, over draws right across
    // [0, 1) for all three of its enemies.
    const QStringList names{"Violet", "Indigo", "Blue", "Green", "Yellow", "Orange", "Red"};
    for (int colour = 0; colour < ColourCount; ++colour) {
        int weakest = 1000;
        int strongest = 0;
        for (int index = colour * EnemiesPerColour; index < (colour + 1) * EnemiesPerColour; ++index) {
            for (float r : {0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 0.99f, std::nextafter(1.0f, 0.0f)}) {
                weakest = std::min<int>(weakest, *BattleRules::enemyStrength(index, r));
                strongest = std::max<int>(strongest, *BattleRules::enemyStrength(index, r));
            }
        }
        QTest::addRow("%s", qPrintable(names[colour]))
            << QStringLiteral("%1: strength %2 to %3; a full bar gives %4 points.")
                   .arg(names[colour])
                   .arg(weakest)
                   .arg(strongest)
                   .arg(WrapAwards[colour]);
    }

    // The squares the player's steps reach, from the first to the last.
    const int columns = int((MapGrid::LastColumn - MapGrid::FirstSquare) / MapGrid::Step) + 1;
    const int rows = int((MapGrid::HealingRowTop - MapGrid::FirstSquare) / MapGrid::Step) + 1;
    QTest::newRow("grid") << QStringLiteral("a map of %1 by %2 squares").arg(columns).arg(rows);

    // The map window's own clock.
    {
        Sandbox sandbox;
        sandbox.writeCharacter(Sandbox::defaultLines());
        const frmMainGameWindow *map = sandbox.openMap();
        QVERIFY(map);
        const double seconds = clockOf(map)->interval() * EnemyClock::PhaseTicks / 1000.0;
        QTest::newRow("phase") << QStringLiteral("about every %1 seconds").arg(seconds);
    }

    // A tenth, rounded down: what a phase gives back from half a maximum.
    const int share = int(std::round(1000 / (*EnemyClock::healed(500, 1000) - 500)));
    int smallest = 1;
    while (!EnemyClock::healed(smallest / 2.0, smallest)
           || *EnemyClock::healed(smallest / 2.0, smallest) <= smallest / 2.0)
        ++smallest;
    QTest::newRow("healing") << QStringLiteral("gives you back a %1 of your maximum Health and of your maximum Magic, "
                                               "rounded down, so nothing while a maximum is below %2.")
                                    .arg(share == 10 ? QStringLiteral("tenth") : QString::number(share))
                                    .arg(smallest);

    // A new character (10 in every value) without retreating, worked out
    // by hand from the rules: 98.3 %, 11.5 % and 26.8 % against red of
    // strength 8 and 16, 46.1 % against orange of 14 with Blast first, and
    // 5.2 % at best against the stronger colours (yellow of 20).
    QTest::newRow("odds") << QStringLiteral(
        "beats the weakest red enemy (strength 8) 98% of the time by Attack alone, but the "
        "strongest red one (strength 16) only 12% of the time by Attack alone "
        "and 27% with Blast first, the weakest orange one (strength 14) 46% of "
        "the time even with Blast first, and the stronger colours at most 5% of "
        "the time.");
}

void tst_HelpPage::facts()
{
    QFETCH(QString, fact);
    const QString text = page();
    // Where the page says something else, what it says there.
    const qsizetype near = text.indexOf(fact.left(24));
    QVERIFY2(text.contains(fact),
             qPrintable(QStringLiteral("the help does not say: %1\nit says: %2")
                            .arg(fact, near < 0 ? QString() : text.mid(near, fact.size()))));
}

// The help's numbers as its language writes them, on a desktop that
// formats numbers in English.
void tst_HelpPage::numbersFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("seconds");
    for (const char *language : {"de", "fr", "pl"})
        QTest::newRow(language) << language << "1,7";
    QTest::newRow("ja") << "ja" << QStringLiteral("1.7");
    // In the windows' digits, not ١٫٧.
    QTest::newRow("ar") << "ar" << QStringLiteral("1.7");
}

void tst_HelpPage::numbersFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, seconds);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(Language::install({language}), language);
    const QString text = page();
    QVERIFY2(text.contains(seconds), qPrintable(text.left(600)));
}

// The key table in each language with the game's catalogue alone, as
// where Qt's own translations are not installed: no key named twice in a
// row, and no English key name where the language has its own.
void tst_HelpPage::keyNamesAreTheGames_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("english");
    const QStringList languages = Language::spoken();
    for (const QString &language : languages) {
        QStringList english;
        if (language == QLatin1String("de"))
            english = QStringList{"Space", "Ctrl", "Shift", "Home", "End", "PgUp", "PgDown", "Up", "Down"};
        QTest::addRow("%s", qPrintable(language)) << language << english;
    }
}

void tst_HelpPage::keyNamesAreTheGames()
{
    QFETCH(QString, language);
    QFETCH(QStringList, english);
    QTranslator game;
    QVERIFY(game.load(QStringLiteral(":/i18n/chromaland_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&game);
    QStringList wrong;
    for (const GameKeys::Key &key : GameKeys::all()) {
        const QStringList names = key.name.split(QCoreApplication::translate("GameKeys", ", "));
        if (QSet<QString>(names.begin(), names.end()).size() != names.size())
            wrong << QStringLiteral("twice: ") + key.name;
        for (const QString &name : names) {
            for (const QString &part : name.split(QLatin1Char('+'))) {
                if (english.contains(part))
                    wrong << QStringLiteral("English: ") + key.name;
            }
        }
    }
    QCoreApplication::removeTranslator(&game);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

void tst_HelpPage::documentsListTheKeyTable_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString source = QStringLiteral(CHROMALAND_SOURCE_DIR);
    QTest::newRow("README, the keys") << source + QStringLiteral("/README.md") << markdownKeys();
    QTest::newRow("manual page, the keys") << source + QStringLiteral("/data/chromaland.6.in") << roffKeys();
    const QString rule = GameKeys::encounterRule() + QLatin1Char('\n');
    QTest::newRow("README, the rule for a fight") << source + QStringLiteral("/README.md") << rule;
    QTest::newRow("manual page, the rule for a fight") << source + QStringLiteral("/data/chromaland.6.in") << rule;
}

// The README's and the manual page's lists of keys and buttons, and the
// rule for which keys fight, are the game's own key table in English
// between their markers: a row changed in the table and not in them fails
// here, printing what they should say.
void tst_HelpPage::documentsListTheKeyTable()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    const bool keys = QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("keys"));
    const bool roff = path.endsWith(QLatin1String(".in"));
    const QLatin1String begin(keys ? (roff ? ".\\\" keys" : "<!-- keys") : (roff ? ".\\\" rule" : "<!-- rule"));
    const QLatin1String end(keys ? (roff ? ".\\\" /keys" : "<!-- /keys") : (roff ? ".\\\" /rule" : "<!-- /rule"));
    QString written = between(path, begin, end);
    // A sentence is the same however its lines are broken.
    if (!keys) {
        written = written.simplified() + QLatin1Char('\n');
        expected = expected.simplified() + QLatin1Char('\n');
    }
    if (written != expected) {
        // The whole of it, to paste: a failure's message is cut short.
        QString tag = QString::fromLatin1(QTest::currentDataTag());
        tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z]+")), QStringLiteral("-"));
        QFile should(QStringLiteral("expected-%1.txt").arg(tag));
        QVERIFY(should.open(QIODevice::WriteOnly));
        should.write(expected.toUtf8());
        QFAIL(qPrintable(QStringLiteral("%1 should say, between %2 and %3, what %4 holds")
                             .arg(path, QString(begin), QString(end), QFileInfo(should).absoluteFilePath())));
    }
}

QTEST_MAIN(tst_HelpPage)
#include "tst_helppage.moc"
