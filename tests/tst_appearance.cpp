#include "widgets/accessibleproperty.h"
#include "testsupport.h"

#include "battle/frmbattlecontrol.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "accessibility/accessibleupdates.h"
#include "accessibility/pictureboxaccessible.h"
#include "widgets/framebox.h"
#include "widgets/picturebox.h"
#include "system/randomsource.h"
#include "title/frmsplash.h"
#include "help/helpwindow.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <memory>

// How the three windows look and what assistive technology learns of them:
// frames hold their controls, bordered labels are closed on all four
// sides, the battle window opens centred on the map, and every control a
// player meets has a name and a current value. Runs at scale 1 and 2.
class tst_Appearance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void framesHoldTheirControls_data();
    void framesHoldTheirControls();
    void borderedLabelsAreClosed_data();
    void borderedLabelsAreClosed();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void valuesFollowTheGame();
    void mapTellsTheWay_data();
    void mapTellsTheWay();
    void mapTellsTheNews_data();
    void mapTellsTheNews();
    void helpReadsLineByLine_data();
    void helpReadsLineByLine();
    void focusToldWhenAReaderArrives_data();
    void focusToldWhenAReaderArrives();
    void picturesSuitTheScreen_data();
    void picturesSuitTheScreen();
    void cleanupTestCase();

private:
    // The three windows as a player meets them, the battle against enemy 13;
    // "battle again" is the battle active once more after another window was.
    QWidget *window(const QString &which);
    // One step of a row of mapTellsTheNews.
    void act(const QString &step);

    std::unique_ptr<Sandbox> m_sandbox;
    // The battle window is opened on purpose here.
    BattlesExpected m_battles;
    frmMainGameWindow *m_map = nullptr;
    std::unique_ptr<frmBattleControl> m_battle;
    std::unique_ptr<frmSplash> m_title;
    std::unique_ptr<ReaderListening> m_reader;
};

namespace {
QList<std::pair<QObject *, QAccessible::Event>> s_events;
QList<QVariant> s_values;
QStringList s_texts;

void record(QAccessibleEvent *event)
{
    s_events.append({event->object(), event->type()});
    if (event->type() == QAccessible::ValueChanged)
        s_values.append(static_cast<QAccessibleValueChangeEvent *>(event)->value());
    if (event->type() == QAccessible::TextUpdated)
        s_texts.append(static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted());
}

// The image of a widget in logical pixels, whatever the screen's scale.
QImage shot(QWidget *widget)
{
    QImage image = widget->grab().toImage();
    return image.scaled(widget->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Puts the player and the enemies of "index@column,row" (hidden with a
// leading "-") on the map; every other enemy is hidden far away.
void placeOnMap(QWidget *map, int column, int row, const QStringList &enemies)
{
    const auto left = [](int c) { return 8.0f + 16.0f * float(c - 1); };
    for (int i = 0; i < 21; ++i) {
        auto *enemy = map->findChild<PictureBox *>(QStringLiteral("pic_Enemy_%1").arg(i));
        enemy->hide();
        enemy->setLeft(-1000.0f - 16.0f * float(i));
    }
    // Placed by the test, whatever the enemy clock has done.
    auto *world = map->findChild<PictureBox *>(QStringLiteral("pic_WorldMap"));
    world->setProperty(AccessibleProperty::Unplaced, QVariant());
    world->setProperty(AccessibleProperty::Chosen, QVariant());
    auto *player = map->findChild<PictureBox *>(QStringLiteral("pic_Player"));
    player->setLeft(left(column));
    player->setTop(left(row));
    for (QString placing : enemies) {
        const bool hidden = placing.startsWith(u'-');
        placing.remove(u'-');
        const QStringList parts = placing.split(QRegularExpression(QStringLiteral("[@,]")));
        auto *enemy = map->findChild<PictureBox *>(QStringLiteral("pic_Enemy_") + parts[0]);
        enemy->setLeft(left(parts[1].toInt()));
        enemy->setTop(left(parts[2].toInt()));
        enemy->setVisible(!hidden);
    }
}

QAccessibleInterface *findInTree(QAccessibleInterface *node, QObject *object)
{
    if (!node)
        return nullptr;
    if (node->object() == object)
        return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *found = findInTree(node->child(i), object))
            return found;
    }
    return nullptr;
}
} // namespace

void tst_Appearance::init()
{
    m_sandbox = std::make_unique<Sandbox>();
    m_sandbox->writeCharacter(Sandbox::defaultLines());
    s_events.clear();
    s_values.clear();
    s_texts.clear();
}

void tst_Appearance::cleanup()
{
    m_reader.reset();
    m_battle.reset();
    m_title.reset();
    m_map = nullptr;
    m_sandbox.reset();
}

QWidget *tst_Appearance::window(const QString &which)
{
    if (which == QLatin1String("title")) {
        m_title = std::make_unique<frmSplash>();
        m_title->show();
        return QTest::qWaitForWindowExposed(m_title.get()) ? m_title.get() : nullptr;
    }
    if (!m_map) {
        m_map = m_sandbox->openMap();
        m_map->show();
        if (!QTest::qWaitForWindowExposed(m_map))
            return nullptr;
    }
    if (which == QLatin1String("map"))
        return m_map;
    modGameLogicCode::EnemiesPaused = true;
    m_map->findChild<QLabel *>(QStringLiteral("lbl_EnemyTag"))->setText(QStringLiteral("13"));
    RandomSource::script({0.5f});
    m_battle = std::make_unique<frmBattleControl>(m_map->controls());
    m_battle->show();
    if (!QTest::qWaitForWindowExposed(m_battle.get()))
        return nullptr;
    if (which == QLatin1String("battle again")) {
        // Another window active meanwhile, as the help is on a desktop.
        QWidget other;
        for (QWidget *active :
             {static_cast<QWidget *>(m_battle.get()), &other, static_cast<QWidget *>(m_battle.get())}) {
            active->show();
            active->activateWindow();
            if (!QTest::qWaitForWindowActive(active))
                return nullptr;
        }
    }
    return m_battle.get();
}

// Each control of a frame lies inside the frame's line with a pixel to
// spare, the skill bars at their widest, and the top line runs through
// the middle of the caption.
void tst_Appearance::framesHoldTheirControls_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("control");
    for (const char *name : {"lbl_ST_label", "lbl_ST_val", "cmd_ST_gain", "lbl_DX_Label", "lbl_WS_val", "lbl_HP_max",
                             "cmd_HP_gain", "lbl_MP_max", "cmd_MP_gain", "lbl_Points_label", "lbl_Points_val"})
        QTest::newRow(name) << "frm_Stats" << name;
    for (const char *name :
         {"pic_Violet", "pic_Indigo", "pic_Blue", "pic_Green", "pic_Yellow", "pic_Orange", "pic_Red"})
        QTest::newRow(name) << "frm_Skills" << name;
}

void tst_Appearance::framesHoldTheirControls()
{
    QFETCH(QString, frame);
    QFETCH(QString, control);
    QWidget *map = window(QStringLiteral("map"));
    QVERIFY(map);
    auto *box = map->findChild<FrameBox *>(frame);
    QVERIFY(box);
    QWidget *child = box->findChild<QWidget *>(control);
    QVERIFY(child);
    if (auto *bar = qobject_cast<PictureBox *>(child))
        bar->setWidthTwips(2700.0f);
    for (QWidget *other : box->findChildren<QWidget *>())
        other->hide();
    const QImage image = shot(box);
    const QColor background = image.pixelColor(box->width() / 2, box->height() / 2);
    // Walks in from an edge across the line; returns where the line starts
    // and the first pixel inside it.
    const auto crossLine = [&](QPoint from, QPoint step) {
        QPoint p = from;
        while (image.rect().contains(p) && image.pixelColor(p) == background)
            p += step;
        const QPoint line = p;
        while (image.rect().contains(p) && image.pixelColor(p) != background)
            p += step;
        return std::pair{line, p};
    };
    const int x = box->width() - 6, y = box->height() / 2 + 20;
    const auto [topLine, top] = crossLine({x, 0}, {0, 1});
    const int bottom = crossLine({x, box->height() - 1}, {0, -1}).second.y();
    const int left = crossLine({0, y}, {1, 0}).second.x();
    const int right = crossLine({box->width() - 1, y}, {-1, 0}).second.x();
    QVERIFY2(
        qAbs(topLine.y() - box->captionRect().center().y()) <= 1,
        qPrintable(
            QStringLiteral("line at %1, caption middle at %2").arg(topLine.y()).arg(box->captionRect().center().y())));
    // A pixel to spare on every side.
    const QRect room(QPoint(left + 1, top.y() + 1), QPoint(right - 1, bottom - 1));
    QVERIFY2(room.contains(child->geometry()),
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5; room inside the line %6,%7 to %8,%9")
                            .arg(control)
                            .arg(child->x())
                            .arg(child->y())
                            .arg(child->width())
                            .arg(child->height())
                            .arg(room.left())
                            .arg(room.top())
                            .arg(room.right())
                            .arg(room.bottom())));
}

// A single-line border: one line of the same colour on all four sides,
// unlike the label's inside.
void tst_Appearance::borderedLabelsAreClosed_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("label");
    for (const char *name : {"lbl_ST_val", "lbl_DX_val", "lbl_WS_val", "lbl_HP_val", "lbl_HP_max", "lbl_MP_val",
                             "lbl_MP_max", "lbl_Points_val"})
        QTest::newRow(name) << "map" << name;
    for (const char *name : {"lbl_HP_val", "lbl_MP_val", "lbl_Enemy_HP_val", "lbl_Status", "lbl_Instructions"})
        QTest::addRow("battle %s", name) << "battle" << name;
    QTest::newRow("lbl_Author") << "title"
                                << "lbl_Author";
}

void tst_Appearance::borderedLabelsAreClosed()
{
    QFETCH(QString, which);
    QFETCH(QString, label);
    QWidget *top = window(which);
    QVERIFY(top);
    QWidget *control = top->findChild<QLabel *>(label);
    QVERIFY(control);
    const QImage image = shot(control);
    const int w = image.width(), h = image.height();
    const QColor line = image.pixelColor(w / 2, 0);
    for (QPoint p : {QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(0, 0), QPoint(w - 1, h - 1),
                     QPoint(3, 0), QPoint(w - 4, h - 1), QPoint(0, h - 2), QPoint(w - 1, 1)})
        QCOMPARE(image.pixelColor(p), line);
    QCOMPARE(line, control->palette().color(QPalette::WindowText));
    QVERIFY(image.pixelColor(1, 1) != line);
    QVERIFY(image.pixelColor(w - 2, h - 2) != line);
}

// What a screen reader hears for each control, found through the window's
// own accessibility tree.
void tst_Appearance::controlsAreNamed_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("role");
    const int text = QAccessible::StaticText, button = QAccessible::Button, bar = QAccessible::ProgressBar;
    const int picture = QAccessible::Graphic, notification = QAccessible::Notification;
    const struct
    {
        const char *which, *control, *name, *value;
        int role;
    } rows[] = {
        {"map", "lbl_ST_val", "Strength: 10", "10", text},
        {"map", "lbl_DX_val", "Dexterity: 10", "10", text},
        {"map", "lbl_WS_val", "Wisdom: 10", "10", text},
        {"map", "lbl_HP_val", "Health: 10", "10", text},
        {"map", "lbl_HP_max", "Health maximum: 10", "10", text},
        {"map", "lbl_MP_val", "Magic: 10", "10", text},
        {"map", "lbl_MP_max", "Magic maximum: 10", "10", text},
        {"map", "lbl_Points_val", "Points: 0", "0", text},
        // A caption beside its value box is told by the box.
        {"map", "lbl_ST_label", "", "", text},
        {"map", "lbl_HP_label", "", "", text},
        {"map", "lbl_Points_label", "", "", text},
        // The clock's bar tells its own name with its value.
        {"map", "lbl_TimeToEnemyMoves", "", "", text},
        {"map", "cmd_ST_gain", "Spend a point on Strength", "", button},
        {"map", "cmd_DX_gain", "Spend a point on Dexterity", "", button},
        {"map", "cmd_WS_gain", "Spend a point on Wisdom", "", button},
        {"map", "cmd_HP_gain", "Spend a point on Health", "", button},
        {"map", "cmd_MP_gain", "Spend a point on Magic", "", button},
        // A bar reads as its words, which a reader's review of the window
        // takes from a label's name.
        // No way is told before the enemies have moved off their diagonal,
        // and no role after each step.
        {"map", "pic_WorldMap", "World map: Column 1, row 22, healing row.", "Column 1, row 22, healing row",
         int(QAccessible::Animation)},
        {"map", "prog_MoveTime", "Time to enemy moves", "0", bar},
        {"battle", "pic_Player", "Your strength: 29 percent", "29 percent", text},
        {"battle", "pic_Enemy", "Enemy strength: 71 percent", "71 percent", text},
        {"battle", "lbl_HP_label", "", "", text},
        {"battle", "lbl_HP_val", "Your health: 10", "10", text},
        {"battle", "lbl_MP_val", "Your magic: 10", "10", text},
        {"battle", "lbl_Enemy_HP_val", "Enemy health: 24", "24", text},
        {"battle", "lbl_Status", "Battle status", "", notification},
        {"battle", "cmd_Attack", "Attack", "", button},
        // The instructions are told as a battle opens, not when the help
        // has closed over it.
        {"battle again", "lbl_Instructions", "", "", text},
        {"title", "pic_Title", "Chromaland", "", picture},
        // The title's prompt is said once, first, with the window's name.
        {"title", "frmSplash", "Chromaland. Press a key to play.", "", int(QAccessible::Dialog)},
        {"title", "lbl_Author", "", "", text},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row.which, row.control) << row.which << row.control << row.name << row.value << row.role;
    // A bar reads as its words, which a reader's review of the window takes
    // from a label's name.
    for (const char *colour : {"Violet", "Indigo", "Blue", "Green", "Yellow", "Orange", "Red"})
        QTest::addRow("map pic_%s", colour)
            << "map" << QStringLiteral("pic_%1").arg(colour) << QStringLiteral("%1 skill: level 1 of 18").arg(colour)
            << "level 1 of 18" << text;
}

void tst_Appearance::controlsAreNamed()
{
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(int, role);
    QWidget *top = window(which);
    QVERIFY(top);
    if (which.startsWith(QLatin1String("battle")))
        m_map->findChild<QLabel *>(QStringLiteral("lbl_ST_val"))->setText(QStringLiteral("10"));
    QWidget *widget = top->objectName() == control ? top : top->findChild<QWidget *>(control);
    QVERIFY(widget);
    widget->show();
    QAccessibleInterface *iface = findInTree(QAccessible::queryAccessibleInterface(top), widget);
    QVERIFY2(iface, "not in the window's accessibility tree");
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Value), value);
    QCOMPARE(int(iface->role()), role);
    // A box that shows words offers them as text; the game's bars offer no
    // value to set, and so no actions to a screen reader.
    if (qobject_cast<PictureBox *>(widget) || qobject_cast<QLabel *>(widget)) {
        const QAccessibleTextInterface *words = iface->textInterface();
        QCOMPARE(words ? words->text(0, words->characterCount()) : QString(), value);
        if (qobject_cast<PictureBox *>(widget) && control != QLatin1String("pic_WorldMap"))
            QVERIFY(!iface->valueInterface());
    }
}

// What a listening screen reader is told as the game changes: each new
// name once, with the text change that carries the new words; the map's
// square as its value; nothing of the enemy clock; nothing of
// a window that is not shown.
void tst_Appearance::valuesFollowTheGame()
{
    QWidget *map = window(QStringLiteral("map"));
    QVERIFY(map);
    // As if a screen reader were listening: the events that pass on to the
    // desktop's bridge are recorded here instead.
    m_reader = std::make_unique<ReaderListening>(record);
    auto *violet = map->findChild<PictureBox *>(QStringLiteral("pic_Violet"));
    auto *player = map->findChild<PictureBox *>(QStringLiteral("pic_Player"));
    auto *world = map->findChild<PictureBox *>(QStringLiteral("pic_WorldMap"));
    auto *strength = map->findChild<QLabel *>(QStringLiteral("lbl_ST_val"));
    auto *clock = map->findChild<QProgressBar *>(QStringLiteral("prog_MoveTime"));

    violet->setWidthTwips(1350.0f);
    player->setLeft(8.0f + 16.0f * 20.0f);
    player->setTop(8.0f + 16.0f * 3.0f);
    QVERIFY(QAccessible::queryAccessibleInterface(world)
                ->text(QAccessible::Name)
                .startsWith("World map: Column 21, row 4."));
    strength->setText(QStringLiteral("11"));
    // A name told again unchanged is not passed on.
    QAccessibleEvent again(strength, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&again);
    for (int tick = 1; tick <= 50; ++tick)
        clock->setValue(tick);

    using Told = QList<std::pair<QObject *, QAccessible::Event>>;
    const auto named = [](QObject *o) { return Told{{o, QAccessible::NameChanged}, {o, QAccessible::TextUpdated}}; };
    const Told moved = named(world) + Told{{world, QAccessible::ValueChanged}};
    // The enemy clock is quiet.
    QCOMPARE(s_events, named(violet) + moved + moved + named(strength));
    QCOMPARE(s_values, (QList<QVariant>{462, 84}));
    const QStringList texts = {"level 9 of 18", "Column 21, row 22, healing row", "Column 21, row 4", "11"};
    QCOMPARE(s_texts, texts);

    // F2 on the map tells whether the colour symbols are now on or off.
    m_reader->forget();
    for (int press = 0; press < 2; ++press)
        QTest::keyClick(world, Qt::Key_F2);
    QCOMPARE(m_reader->lines(), (QStringList{"Colour symbols on", "Colour symbols off"}));

    // The battle's status line carries each new line in its name and text.
    QVERIFY(window(QStringLiteral("battle")));
    s_events.clear();
    auto *status = m_battle->findChild<QLabel *>(QStringLiteral("lbl_Status"));
    status->setText(QStringLiteral("You hit"));
    QCOMPARE(s_events, named(status));
    QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), "You hit");
    QVERIFY(
        QAccessible::queryAccessibleInterface(status)->text(QAccessible::Description).startsWith("Your health: 10."));

    // An announced line is read with the words it had when it was
    // announced, however late the reader asks: after the line has changed
    // and after its window has gone.
    s_events.clear();
    AccessibleUpdates::announce(status);
    QCOMPARE(s_events.size(), 1);
    QCOMPARE(s_events[0].second, QAccessible::ObjectShow);
    const QPointer<QObject> announced = s_events[0].first;
    status->setText(QStringLiteral("You miss"));
    m_battle.reset();
    QVERIFY(announced);
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(announced);
    QCOMPARE(line->role(), QAccessible::Notification);
    QCOMPARE(line->text(QAccessible::Name), "You hit");
    QVERIFY(line->text(QAccessible::Description).startsWith("Your health: 10."));

    // The title's bottom line keeps changing once the title is hidden.
    QVERIFY(window(QStringLiteral("title")));
    m_title->hide();
    s_events.clear();
    m_title->findChild<QLabel *>(QStringLiteral("lbl_Instructions"))->setText(QStringLiteral("unseen"));
    QCOMPARE(s_events, Told());
}

// The map's name, which a reader speaks after every step, tells the way to
// the enemy the player chose, else to the nearest shown one; one a step
// away or on the player's square is news of its own, and on the square it
// is news with the keys when it came there. Before the enemies have moved
// no way is told. The map's markers are not children to a reader.
void tst_Appearance::mapTellsTheWay_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("enemies");
    QTest::addColumn<int>("chosen"); // an enemy's index, or -1
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("closeBy");
    const QString onSquare = QStringLiteral("Red enemy on your square: Space fights it, an arrow key steps away.");
    const struct
    {
        const char *tag;
        int column, row;
        QStringList enemies;
        int chosen;
        const char *way;
        QString closeBy;
    } rows[] = {
        {"nobody", 1, 22, {}, -1, "No one else in sight.", ""},
        {"up and right", 1, 22, {"9@3,20"}, -1, "Green enemy: 2 up, 2 right.", ""},
        {"down and left", 10, 5, {"0@7,9"}, -1, "Violet enemy: 4 down, 3 left.", ""},
        {"one way only", 5, 5, {"12@5,9"}, -1, "Yellow enemy: 4 down.", ""},
        {"on the square", 4, 20, {"18@4,20"}, -1, "Red enemy on your square.", onSquare},
        {"beside", 4, 20, {"15@4,19"}, -1, "Orange enemy beside you: 1 up.", "Orange enemy beside you: 1 up."},
        {"beside, right",
         4,
         20,
         {"15@5,20"},
         -1,
         "Orange enemy beside you: 1 right.",
         "Orange enemy beside you: 1 right."},
        {"corner is not beside", 4, 20, {"15@5,19"}, -1, "Orange enemy: 1 up, 1 right.", ""},
        {"nearest of two", 4, 20, {"0@4,10", "20@8,20"}, -1, "Red enemy: 4 right.", ""},
        {"hidden is passed over", 4, 20, {"-5@4,19", "6@4,17"}, -1, "Blue enemy: 3 up.", ""},
        {"on the square beats beside", 4, 20, {"3@4,19", "20@4,20"}, -1, "Red enemy on your square.", onSquare},
        {"chosen, not the nearest", 4, 20, {"0@4,10", "20@8,20"}, 0, "Violet enemy: 10 up.", ""},
        {"chosen, another beside",
         4,
         20,
         {"0@4,10", "20@4,21"},
         0,
         "Red enemy beside you: 1 down.",
         "Red enemy beside you: 1 down."},
        {"chosen and beaten: the nearest", 4, 20, {"-0@4,10", "20@8,20"}, 0, "Red enemy: 4 right.", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.column << row.row << row.enemies << row.chosen << row.way << row.closeBy;
}

void tst_Appearance::mapTellsTheWay()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QStringList, enemies);
    QFETCH(int, chosen);
    QFETCH(QString, way);
    QFETCH(QString, closeBy);
    QWidget *map = window(QStringLiteral("map"));
    QVERIFY(map);
    placeOnMap(map, column, row, enemies);
    auto *world = map->findChild<PictureBox *>(QStringLiteral("pic_WorldMap"));
    if (chosen >= 0)
        world->setProperty(AccessibleProperty::Chosen, QStringLiteral("pic_Enemy_%1").arg(chosen));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(world);
    const QString square = iface->text(QAccessible::Value);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("World map: %1. %2").arg(square, way));
    QCOMPARE(PictureBoxAccessible::closeBy(world), closeBy);
    QCOMPARE(iface->text(QAccessible::Description), QString());
    QCOMPARE(iface->childCount(), 0);
}

// What the game announces to a listening reader besides the map's name,
// step by step: an enemy that the clock brings beside the player or onto
// the player's square, once while the player stands still; the way to the
// nearest, once, when the enemies first move; the healing row's healing;
// Tab with no point to spend; how to play, once; the enemy PgDown, PgUp or
// a colour's number asks for; a battle won or left with the enemy still
// there; the battle's opening (nothing) and the player's death.
void tst_Appearance::mapTellsTheNews_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("enemies");
    QTest::addColumn<QStringList>("lines");
    const QString tip =
        QStringLiteral("The arrow keys move you one square; the bottom row heals you and no enemy goes there.");
    const QString onSquare = QStringLiteral("Red enemy on your square: Space fights it, an arrow key steps away.");
    const QString beside = QStringLiteral("Red enemy beside you: 1 up.");
    // Three enemies in sight: red 19 four up, red 18 four up and four right,
    // violet 0 twelve up.
    const QStringList three{"0@1,10", "18@5,18", "19@1,18"};
    const QString red19 = QStringLiteral("Red enemy: 4 up."), red18 = QStringLiteral("Red enemy: 4 up, 4 right.");
    const QString violet = QStringLiteral("Violet enemy: 12 up.");
    const auto row = [](const char *tag, const QStringList &steps, const QStringList &enemies,
                        const QStringList &lines) { QTest::newRow(tag) << steps << enemies << lines; };
    row("comes beside", {"phase"}, {"18@1,21"}, {beside});
    row("comes onto the square", {"phase"}, {"18@1,22"}, {onSquare});
    row("stays beside, told once", {"phase", "phase"}, {"18@1,21"}, {beside});
    row("steps to and fro beside, told once", {"phase", "phase right", "phase left", "phase right", "phase left"},
        {"18@1,21"}, {beside});
    row("told again to a reader that comes back", {"phase", "reader again", "phase"}, {"18@1,21"}, {beside, beside});
    row("far away", {"phase"}, {"18@5,18"}, {});
    row("healing", {"hurt", "phase"}, {"18@5,18"}, {"Health: 6"});
    row("tab without points", {"tab"}, {"18@5,18"},
        {"No points to spend: you are still on the map, Column 1, row 22, healing row."});
    row("how to play, once", {"focus", "focus"}, {"18@5,18"}, {tip});
    row("the first way once the enemies have moved", {"unplaced", "phase", "phase"}, {"18@5,18"}, {red18});
    row("no first way when one came close", {"unplaced", "phase"}, {"18@1,21"}, {beside});
    row("PgDown: the nearest", {"PgDown"}, three, {red19});
    row("PgDown again: the next farther", {"PgDown", "PgDown", "PgDown", "PgDown"}, three,
        {red19, red18, violet, violet});
    row("PgUp: back nearer", {"PgDown", "PgDown", "PgUp"}, three, {red19, red18, red19});
    row("a colour by its dots", {"7"}, three, {violet});
    row("the colour again: the next of it", {"1", "1", "1"}, three, {red19, red18, red19});
    row("a colour not in sight", {"5"}, three, {"Blue enemy: none in sight."});
    row("nobody in sight", {"PgDown"}, {}, {"No one else in sight."});
    row("won", {"win"}, {"18@1,22"}, {"You won. Red skill: level 2 of 18."});
    row("won, the bar full", {"red bar full", "win"}, {"18@1,22"},
        {"You won. Red skill: level 1 of 18 again: the full bar gave you 4 points. Points: 4."});
    row("retreated", {"retreat"}, {"18@1,22"}, {onSquare});
    row("a battle opens", {"battle"}, {}, {});
    row("killed", {"battle", "die"}, {},
        {"Yellow enemy, strength 24, has killed you. The battle's last lines: You miss by -12. Enemy hits you by +13 "
         "and it inflicts 6 damage."});
}

void tst_Appearance::mapTellsTheNews()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, enemies);
    QFETCH(QStringList, lines);
    QWidget *map = window(QStringLiteral("map"));
    QVERIFY(map);
    map->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(map));
    placeOnMap(map, 1, 22, enemies);
    m_reader = std::make_unique<ReaderListening>(record);
    for (const QString &step : steps)
        act(step);
    QCOMPARE(m_reader->lines(), lines);
}

void tst_Appearance::act(const QString &step)
{
    auto *world = m_map->findChild<PictureBox *>(QStringLiteral("pic_WorldMap"));
    if (step.startsWith(QLatin1String("phase"))) {
        // No enemy comes back; none steps, but enemy 18 where the step says.
        const float way = step.endsWith(QLatin1String("right")) ? 0.7f
            : step.endsWith(QLatin1String("left"))              ? 0.3f
                                                                : 0.05f;
        QList<float> draws;
        for (int i = 0; i < 21; ++i)
            draws << (i == 18 ? way : 0.05f) << 0.9f;
        RandomSource::script(draws);
        runEnemyPhase(m_map);
    } else if (step == QLatin1String("reader again")) {
        m_reader->comeAgain();
    } else if (step == QLatin1String("hurt")) {
        m_map->findChild<QLabel *>(QStringLiteral("lbl_HP_val"))->setText(QStringLiteral("5"));
    } else if (step == QLatin1String("tab")) {
        QTest::keyClick(world, Qt::Key_Tab);
    } else if (step == QLatin1String("focus")) {
        world->clearFocus();
        world->setFocus();
    } else if (step == QLatin1String("unplaced")) {
        world->setProperty(AccessibleProperty::Unplaced, true);
    } else if (step == QLatin1String("PgDown") || step == QLatin1String("PgUp")) {
        QTest::keyClick(world, step == QLatin1String("PgDown") ? Qt::Key_PageDown : Qt::Key_PageUp);
    } else if (step.size() == 1 && step[0].isDigit()) {
        QTest::keyClick(world, Qt::Key(Qt::Key_0 + step[0].digitValue()));
    } else if (step == QLatin1String("red bar full")) {
        m_map->findChild<PictureBox *>(QStringLiteral("pic_Red"))->setWidthTwips(2700.0f);
    } else if (step == QLatin1String("win") || step == QLatin1String("retreat")) {
        // A battle that leaves the enemy's index (a win) or "Retreat".
        const BattleScript battle(m_map,
                                  step == QLatin1String("win") ? BattleScript::Act([](const MapControls &) {})
                                                               : BattleScript::retreat);
        QTest::keyClick(world, Qt::Key_Space);
        QCOMPARE(battle.tags.size(), 1);
    } else if (step == QLatin1String("battle")) {
        QVERIFY(window(QStringLiteral("battle")));
    } else if (step == QLatin1String("die")) {
        // Health 1; the Attack misses by 12 and the enemy hits for 6.
        m_battle->findChild<QLabel *>(QStringLiteral("lbl_HP_val"))->setText(QStringLiteral("1"));
        RandomSource::script({0.0f, 0.5f, 0.0f, 0.5f, 0.5f});
        QTest::mouseClick(m_battle->findChild<QPushButton *>(QStringLiteral("cmd_Attack")), Qt::LeftButton);
        QCOMPARE(m_map->findChild<QLabel *>(QStringLiteral("lbl_EnemyTag"))->text(), QStringLiteral("DEAD"));
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
    }
}

// The help is a text read line by line: a reader reads the line the caret
// reaches (the text of the line at the caret), and Return on a part's name
// in the list at the top takes the caret to that part, told to the reader.
void tst_Appearance::helpReadsLineByLine_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("opens at its title") << QList<int>{} << "Chromaland Help" << QStringList{};
    QTest::newRow("down to the list of parts") << QList<int>{Qt::Key_Down} << "Playing" << QStringList{};
    QTest::newRow("down the list") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}
                                   << "Advice for a new character" << QStringList{};
    QTest::newRow("back up") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << "Playing" << QStringList{};
    QTest::newRow("Return on a part") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}
                                      << "Advice for a new character" << QStringList{"Advice for a new character"};
    QTest::newRow("Tab to a link, Return")
        << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter} << "The battle" << QStringList{"The battle"};
    QTest::newRow("Return where there is no link") << QList<int>{Qt::Key_Return} << "Chromaland Help" << QStringList{};
}

void tst_Appearance::helpReadsLineByLine()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, line);
    QFETCH(QStringList, lines);
    m_reader = std::make_unique<ReaderListening>(record);
    HelpWindow help(nullptr);
    help.resize(420, 600);
    help.show();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    auto *page = help.findChild<QTextEdit *>(QStringLiteral("helpText"));
    QVERIFY(page);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(page);
    // A text a reader reads, not a label.
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QVERIFY(iface->state().readOnly);
    s_events.clear();
    for (int key : keys)
        QTest::keyClick(page, Qt::Key(key));
    QVERIFY2(help.isVisible(), "a key on the page closed the help");
    QAccessibleTextInterface *text = iface->textInterface();
    int start = 0, end = 0;
    QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed(), line);
    QCOMPARE(m_reader->lines(), lines);
    // A part followed to stands at the top of the page, its text below it in sight.
    if (!lines.isEmpty())
        QVERIFY2(page->cursorRect().top() < page->viewport()->height() / 4, "the part's heading is not at the top");
}

// A screen reader that starts listening after a window was activated (Qt's
// bridge comes up late on a busy machine) is told where the focus is:
// else it would hear nothing of the window until the player pressed on.
void tst_Appearance::focusToldWhenAReaderArrives_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("focused");
    QTest::newRow("title") << "title" << QString();
    QTest::newRow("map") << "map" << QStringLiteral("pic_WorldMap");
}

void tst_Appearance::focusToldWhenAReaderArrives()
{
    QFETCH(QString, which);
    QFETCH(QString, focused);
    QWidget *shown = window(which);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QObject *expected = focused.isEmpty() ? shown : shown->findChild<QObject *>(focused);
    QVERIFY(expected);
    m_reader = std::make_unique<ReaderListening>(record);
    QTRY_VERIFY(s_events.contains(std::pair<QObject *, QAccessible::Event>(expected, QAccessible::Focus)));
}

// On a screen scaled 2x the built-in pictures come from their 2x artwork;
// a picture from the Graphics folder is drawn as it is.
// Either way the picture covers the same pixels of its box.
void tst_Appearance::picturesSuitTheScreen_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("artwork");
    QTest::addColumn<QString>("artwork2x");
    const auto row = [](const char *name, const char *which, const char *box, const char *artwork,
                        const char *artwork2x) { QTest::newRow(name) << which << box << artwork << artwork2x; };
    row("map", "map", "pic_WorldMap", ":/worldmap.jpg", ":/worldmap_2x.jpg");
    row("title", "title", "pic_Title", ":/title.jpg", ":/title_2x.jpg");
    row("map from Graphics", "map", "pic_WorldMap", "Graphics/MapBackground.bmp", "");
}

void tst_Appearance::picturesSuitTheScreen()
{
    QFETCH(QString, which);
    QFETCH(QString, box);
    QFETCH(QString, artwork);
    QFETCH(QString, artwork2x);
    if (!artwork.startsWith(QLatin1Char(':'))) {
        QImage supplied(352, 368, QImage::Format_RGB32);
        for (int y = 0; y < supplied.height(); ++y)
            for (int x = 0; x < supplied.width(); ++x)
                supplied.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        QDir(m_sandbox->folder()).mkpath(QStringLiteral("Graphics"));
        artwork = m_sandbox->path(artwork);
        QVERIFY(supplied.save(artwork, "BMP"));
    }
    QWidget *top = window(which);
    QVERIFY(top);
    auto *picture = top->findChild<PictureBox *>(box);
    QVERIFY(picture);
    for (QWidget *marker : picture->findChildren<QWidget *>())
        marker->hide();
    const qreal ratio = picture->devicePixelRatioF();
    const bool sharper = ratio >= 2.0 && !artwork2x.isEmpty();
    const QImage expected(sharper ? artwork2x : artwork);
    QVERIFY(!expected.isNull());
    const QImage drawn = picture->grab().toImage();
    const int scale = int(ratio);
    const int step = sharper ? 1 : scale;
    const QPoint origin = picture->interiorOrigin() * scale;
    // Every physical pixel of the interior, against the picture it shows.
    const QRect interior = QRect(origin, (picture->size() * scale)).adjusted(0, 0, -2 * origin.x(), -2 * origin.y());
    int differing = 0;
    for (int y = interior.top(); y <= interior.bottom(); ++y) {
        for (int x = interior.left(); x <= interior.right(); ++x) {
            const QPoint at((x - origin.x()) / step, (y - origin.y()) / step);
            if (expected.rect().contains(at) && drawn.pixel(x, y) != expected.pixel(at))
                ++differing;
        }
    }
    QCOMPARE(differing, 0);
}

// With CHROMALAND_SCREENSHOTS naming a folder, the scale-2 run keeps
// pictures of the three windows there (names end in @2x); the window tests
// keep the scale-1 ones. A picture for the documents, not a check.
void tst_Appearance::cleanupTestCase()
{
    const QString folder = qEnvironmentVariable("CHROMALAND_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    init();
    for (const QString &which : {QStringLiteral("title"), QStringLiteral("map"), QStringLiteral("battle")}) {
        QWidget *top = window(which);
        QVERIFY(top);
        const qreal ratio = top->devicePixelRatioF();
        if (ratio == 1.0)
            continue;
        QDir().mkpath(folder);
        QVERIFY(top->grab().save(QStringLiteral("%1/%2@%3x.png").arg(folder, top->objectName()).arg(ratio)));
    }
    cleanup();
}

QTEST_MAIN(tst_Appearance)
#include "tst_appearance.moc"
