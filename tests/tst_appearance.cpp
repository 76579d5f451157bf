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
    void focusToldWhenAReaderArrives_data();
    void focusToldWhenAReaderArrives();
    void picturesSuitTheScreen_data();
    void picturesSuitTheScreen();
    void cleanupTestCase();

private:
    // The three windows as a player meets them, the battle against enemy 13.
    QWidget *window(const QString &which);

    std::unique_ptr<Sandbox> m_sandbox;
    // The battle window is opened on purpose here.
    BattlesExpected m_battles;
    frmMainGameWindow *m_map = nullptr;
    std::unique_ptr<frmBattleControl> m_battle;
    std::unique_ptr<frmSplash> m_title;
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

// The lines announced since the events were last cleared.
QStringList announcedLines()
{
    QStringList lines;
    for (const auto &[object, type] : s_events) {
        if (type == QAccessible::ObjectShow && object->property(AccessibleProperty::Announces).toBool())
            lines << qobject_cast<QLabel *>(object)->text();
    }
    return lines;
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
    AccessibleUpdates::forwardTo({});
    if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(false);
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
    return QTest::qWaitForWindowExposed(m_battle.get()) ? m_battle.get() : nullptr;
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
        {"map", "lbl_TimeToEnemyMoves", "Time to enemy moves:", "", text},
        {"map", "cmd_ST_gain", "Spend a point on Strength", "", button},
        {"map", "cmd_DX_gain", "Spend a point on Dexterity", "", button},
        {"map", "cmd_WS_gain", "Spend a point on Wisdom", "", button},
        {"map", "cmd_HP_gain", "Spend a point on Health", "", button},
        {"map", "cmd_MP_gain", "Spend a point on Magic", "", button},
        // A bar reads as its words, which a reader's review of the window
        // takes from a label's name.
        {"map", "pic_WorldMap", "World map: Column 1, row 22, healing row. Violet enemy: 21 up.",
         "Column 1, row 22, healing row", picture},
        {"map", "prog_MoveTime", "Time to enemy moves", "0", bar},
        {"battle", "pic_Player", "Your strength: 29 percent", "29 percent", text},
        {"battle", "pic_Enemy", "Enemy strength: 71 percent", "71 percent", text},
        {"battle", "lbl_HP_label", "", "", text},
        {"battle", "lbl_HP_val", "Your health: 10", "10", text},
        {"battle", "lbl_MP_val", "Your magic: 10", "10", text},
        {"battle", "lbl_Enemy_HP_val", "Enemy health: 24", "24", text},
        {"battle", "lbl_Status", "Battle status", "", notification},
        {"battle", "cmd_Attack", "Attack", "", button},
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
    if (which == QLatin1String("battle"))
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
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    AccessibleUpdates::forwardTo(record);
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
                .startsWith("World map: Column 21, row 4. "));
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
    QStringList said;
    for (int press = 0; press < 2; ++press) {
        s_events.clear();
        QTest::keyClick(world, Qt::Key_F2);
        for (const auto &[object, type] : s_events) {
            if (type == QAccessible::ObjectShow && object->property(AccessibleProperty::Announces).toBool())
                said << qobject_cast<QLabel *>(object)->text();
        }
    }
    QCOMPARE(said, (QStringList{"Colour symbols on", "Colour symbols off"}));

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
// the nearest shown enemy; one a step away or on the player's square is
// news of its own. The map's markers are not children to a reader.
void tst_Appearance::mapTellsTheWay_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("enemies");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("closeBy");
    const struct
    {
        const char *tag;
        int column, row;
        QStringList enemies;
        const char *way, *closeBy;
    } rows[] = {
        {"nobody", 1, 22, {}, "No one else in sight.", ""},
        {"up and right", 1, 22, {"9@3,20"}, "Green enemy: 2 up, 2 right.", ""},
        {"down and left", 10, 5, {"0@7,9"}, "Violet enemy: 4 down, 3 left.", ""},
        {"one way only", 5, 5, {"12@5,9"}, "Yellow enemy: 4 down.", ""},
        {"on the square",
         4,
         20,
         {"18@4,20"},
         "Red enemy on your square: any key fights it.",
         "Red enemy on your square: any key fights it."},
        {"beside", 4, 20, {"15@4,19"}, "Orange enemy beside you: 1 up.", "Orange enemy beside you: 1 up."},
        {"beside, right", 4, 20, {"15@5,20"}, "Orange enemy beside you: 1 right.", "Orange enemy beside you: 1 right."},
        {"corner is not beside", 4, 20, {"15@5,19"}, "Orange enemy: 1 up, 1 right.", ""},
        {"nearest of two", 4, 20, {"0@4,10", "20@8,20"}, "Red enemy: 4 right.", ""},
        {"hidden is passed over", 4, 20, {"-5@4,19", "6@4,17"}, "Blue enemy: 3 up.", ""},
        {"on the square beats beside",
         4,
         20,
         {"3@4,19", "20@4,20"},
         "Red enemy on your square: any key fights it.",
         "Red enemy on your square: any key fights it."},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.column << row.row << row.enemies << row.way << row.closeBy;
}

void tst_Appearance::mapTellsTheWay()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QStringList, enemies);
    QFETCH(QString, way);
    QFETCH(QString, closeBy);
    QWidget *map = window(QStringLiteral("map"));
    QVERIFY(map);
    placeOnMap(map, column, row, enemies);
    auto *world = map->findChild<PictureBox *>(QStringLiteral("pic_WorldMap"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(world);
    const QString square = iface->text(QAccessible::Value);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("World map: %1. %2").arg(square, way));
    QCOMPARE(PictureBoxAccessible::closeBy(world), closeBy);
    QCOMPARE(iface->text(QAccessible::Description), QString());
    QCOMPARE(iface->childCount(), 0);
}

// What the map announces to a listening reader besides its name: an enemy
// that the clock brings beside the player or onto the player's square,
// once; the healing row's healing; Tab with no point to spend; how to play,
// once, when the map first has the focus.
void tst_Appearance::mapTellsTheNews_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("enemies");
    QTest::addColumn<QStringList>("lines");
    const QString tip =
        QStringLiteral("The arrow keys move you one square; the bottom row heals you and no enemy goes there.");
    QTest::newRow("comes beside") << "phase" << QStringList{"18@1,21"} << QStringList{"Red enemy beside you: 1 up."};
    QTest::newRow("comes onto the square")
        << "phase" << QStringList{"18@1,22"} << QStringList{"Red enemy on your square: any key fights it."};
    QTest::newRow("stays beside, told once")
        << "two phases" << QStringList{"18@1,21"} << QStringList{"Red enemy beside you: 1 up."};
    QTest::newRow("told again to a reader that comes back")
        << "phase, reader again" << QStringList{"18@1,21"}
        << QStringList{"Red enemy beside you: 1 up.", "Red enemy beside you: 1 up."};
    QTest::newRow("far away") << "phase" << QStringList{"18@5,18"} << QStringList{};
    QTest::newRow("healing") << "hurt, phase" << QStringList{"18@5,18"} << QStringList{"Health: 6"};
    QTest::newRow("tab without points")
        << "tab" << QStringList{"18@5,18"}
        << QStringList{"No points to spend: you are still on the map, Column 1, row 22, healing row."};
    QTest::newRow("how to play, once") << "focus twice" << QStringList{"18@5,18"} << QStringList{tip};
}

void tst_Appearance::mapTellsTheNews()
{
    QFETCH(QString, action);
    QFETCH(QStringList, enemies);
    QFETCH(QStringList, lines);
    QWidget *map = window(QStringLiteral("map"));
    QVERIFY(map);
    map->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(map));
    placeOnMap(map, 1, 22, enemies);
    if (action.startsWith(QLatin1String("hurt")))
        map->findChild<QLabel *>(QStringLiteral("lbl_HP_val"))->setText(QStringLiteral("5"));
    auto *world = map->findChild<PictureBox *>(QStringLiteral("pic_WorldMap"));
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    AccessibleUpdates::forwardTo(record);
    s_events.clear();
    const auto phase = [this] {
        // No enemy steps, none comes back.
        QList<float> draws;
        for (int i = 0; i < 21; ++i)
            draws << 0.05f << 0.9f;
        RandomSource::script(draws);
        runEnemyPhase(m_map);
    };
    if (action.endsWith(QLatin1String("phase")))
        phase();
    if (action == QLatin1String("two phases"))
        phase(), phase();
    if (action == QLatin1String("phase, reader again")) {
        phase();
        platform->setActive(false);
        platform->setActive(true);
        phase();
    }
    if (action == QLatin1String("tab"))
        QTest::keyClick(world, Qt::Key_Tab);
    if (action == QLatin1String("focus twice")) {
        for (int i = 0; i < 2; ++i) {
            world->clearFocus();
            world->setFocus();
        }
    }
    QCOMPARE(announcedLines(), lines);
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
    AccessibleUpdates::forwardTo(record);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
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
