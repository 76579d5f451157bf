#include "testsupport.h"

#include "input/functionkeys.h"
#include "help/helpwindow.h"
#include "hall/hallmodel.h"
#include "hall/hallwindow.h"
#include "logic/fallenhistory.h"
#include "logic/defaultcharacter.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/beep.h"
#include "system/clock.h"
#include "forms/messagebox.h"
#include "system/programend.h"
#include "system/programfolder.h"
#include "system/randomsource.h"
#include "system/sound.h"
#include "widgets/accessibleproperty.h"

#include <QAccessible>
#include <QApplication>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QBuffer>
#include <QImage>
#include <QMessageBox>
#include <QMetaMethod>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTableView>
#include <QTextEdit>

#include <SDL.h>

const QDateTime Sandbox::FixedMoment(QDate(2026, 12, 6), QTime(23, 55, 11));

Sandbox::Sandbox()
{
    QVERIFY2(m_dir.isValid() && m_config.isValid(), "cannot make a temporary folder");
    ProgramFolder::setOverride(m_dir.path());
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    Clock::fix(FixedMoment);
    RandomSource::clearScript();
    RandomSource::resetCounts();
    Beep::resetCount();
    Sound::setOn(true);
    Sound::setCueChoice(std::nullopt);
    Sound::listen([this](const QString &name) { sounds << name; });
    modGameLogicCode::EnemiesPaused = false;
    ProgramEnd::setHandler([this](int code) { ends << code; });
    MessageBox::setHandler([this](const QString &text, const QString &caption) {
        messages << text;
        captions << caption;
        if (onMessage)
            onMessage(text);
    });

    m_watchdog.setInterval(20);
    QObject::connect(&m_watchdog, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || BattlesExpected::active())
            return;
        QTest::qFail(
            qPrintable(QStringLiteral("a window opened that the test did not expect: %1").arg(modal->objectName())),
            __FILE__, __LINE__);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(0);
        else
            modal->close();
    });
    m_watchdog.start();
}

Sandbox::~Sandbox()
{
    delete m_map;
    MessageBox::clearHandler();
    ProgramEnd::clearHandler();
    ProgramFolder::clearOverride();
    if (m_oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    Clock::release();
    RandomSource::clearScript();
    modGameLogicCode::EnemiesPaused = false;
    // No test's sound ever reaches a device.
    Sound::listen([](const QString &) {});
}

QString Sandbox::path(const QString &name) const
{
    return m_dir.path() + QLatin1Char('/') + name;
}

void Sandbox::write(const QString &name, const QByteArray &bytes) const
{
    const QString full = path(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(full));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Sandbox::read(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool Sandbox::exists(const QString &name) const
{
    return QFileInfo::exists(path(name));
}

QByteArray Sandbox::lines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void Sandbox::writeCharacter(const QStringList &characterLines) const
{
    write(QStringLiteral("Character.chx"), lines(characterLines));
}

QStringList Sandbox::defaultLines()
{
    QStringList lines;
    for (const char *line : GameRules::DefaultCharacter)
        lines << QLatin1String(line);
    return lines;
}

frmMainGameWindow *Sandbox::openMap()
{
    delete m_map;
    m_map = new frmMainGameWindow;
    // As the title window does: a start-up that failed ends the program.
    if (ProgramEnd::after(m_map->Form_Load())) {
        delete m_map;
        m_map = nullptr;
    }
    return m_map;
}

void Sandbox::close(frmMainGameWindow *map)
{
    map->close();
}

bool Sandbox::endsProgram(const std::function<void()> &step)
{
    const qsizetype before = ends.size();
    step();
    return ends.size() > before;
}

BattleScript::BattleScript(frmMainGameWindow *map, Act act)
{
    map->setBattle([this, act = std::move(act)](const MapControls &controls) {
        tags << controls.lbl_EnemyTag->text();
        pausedDuringBattle = pausedDuringBattle && modGameLogicCode::EnemiesPaused;
        act(controls);
        return end;
    });
}

void BattleScript::retreat(const MapControls &map)
{
    map.lbl_EnemyTag->setText(QStringLiteral("Retreat"));
}

namespace {
int battlesExpected = 0;
}

BattlesExpected::BattlesExpected()
{
    ++battlesExpected;
}

BattlesExpected::~BattlesExpected()
{
    --battlesExpected;
}

bool BattlesExpected::active()
{
    return battlesExpected > 0;
}

namespace {
QPlatformAccessibility *platformAccessibility()
{
    return QGuiApplicationPrivate::platformIntegration()->accessibility();
}
} // namespace

ReaderListening::ReaderListening(AccessibleUpdates::Forward seen)
{
    AccessibleUpdates::forwardTo([this, seen = std::move(seen)](QAccessibleEvent *event) {
        QObject *object = event->object();
        if (event->type() == QAccessible::ObjectShow && object->property(AccessibleProperty::Announces).toBool())
            m_lines << qobject_cast<QLabel *>(object)->text();
        if (seen)
            seen(event);
    });
    platformAccessibility()->setActive(true);
}

ReaderListening::~ReaderListening()
{
    AccessibleUpdates::forwardTo({});
    platformAccessibility()->setActive(false);
}

void ReaderListening::comeAgain()
{
    platformAccessibility()->setActive(false);
    platformAccessibility()->setActive(true);
}

bool helpOpensOn(QWidget *target, QKeyCombination key, const std::function<void(HelpWindow &)> &look)
{
    return helpOpensOn([target, key] { QTest::keyClick(target, key.key(), key.keyboardModifiers()); }, look);
}

namespace {

// Presses, and while the modal window of kind W that opens is up, runs
// `look` on it, then presses Escape on `closer` of it. Whether one opened.
template <class W>
bool modalOpensOn(const std::function<void()> &press, const std::function<void(W &)> &look, QWidget *(*closer)(W *))
{
    FunctionKeys::install();
    const BattlesExpected expected;
    bool opened = false;
    QTimer whileOpen;
    whileOpen.setSingleShot(true);
    QObject::connect(&whileOpen, &QTimer::timeout, [&] {
        auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!window)
            return;
        opened = true;
        if (look)
            look(*window);
        if (window->isVisible())
            QTest::keyClick(closer(window), Qt::Key_Escape);
    });
    whileOpen.start(0);
    press();
    return opened;
}

} // namespace

bool helpOpensOn(const std::function<void()> &press, const std::function<void(HelpWindow &)> &look)
{
    return modalOpensOn<HelpWindow>(press, look, [](HelpWindow *help) -> QWidget * { return helpText(help); });
}

bool hallOpensOn(const std::function<void()> &press, const std::function<void(HallWindow &)> &look)
{
    return modalOpensOn<HallWindow>(press, look, [](HallWindow *hall) -> QWidget * { return hallTable(hall); });
}

bool questionOpensOn(const std::function<void()> &press)
{
    bool question = false;
    const bool opened = modalOpensOn<QMessageBox>(
        press, [&](QMessageBox &box) { question = MessageBox::isQuestion(&box); },
        [](QMessageBox *box) -> QWidget * { return box; });
    return opened && question;
}

void writeThreeFallen()
{
    const auto fallen = [](const QDateTime &died, std::array<QString, 5> statistics, const QString &points, int killer,
                           int strength) {
        FallenHistory::Record record;
        record.died = died;
        record.archive = died.toString(QStringLiteral("'Dead_'hh.mm.ss_dd.MM.yyyy'.txt'"));
        record.statistics = statistics;
        record.points = points;
        record.levels = {QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("9"),
                         QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2")};
        record.earned = FallenHistory::earned(record.statistics, record.points);
        record.killer = killer;
        record.strength = strength;
        record.lastLines = {QStringLiteral("You miss by -2"),
                            QStringLiteral("Enemy hits you by +4 and it inflicts %1 damage.").arg(strength / 4)};
        QVERIFY(FallenHistory::append(record));
    };
    fallen(QDateTime(QDate(2026, 11, 2), QTime(18, 4, 51)), {"14", "12", "10", "16", "10"}, "4", GameRules::Orange, 31);
    fallen(QDateTime(QDate(2026, 11, 20), QTime(9, 30, 0)), {"25", "20", "17", "24", "14"}, "0", GameRules::Indigo,
           144);
    fallen(QDateTime(QDate(2026, 12, 1), QTime(21, 12, 7)), {"12", "14", "10", "12", "10"}, "4", GameRules::Green, 62);
}

QByteArray bitmapFile(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void place(PictureBox *box, float left, float top)
{
    box->setLeft(left);
    box->setTop(top);
}

QTimer *clockOf(const QObject *window)
{
    return control<QTimer>(window, "Timer1");
}

void tick(const QObject *window)
{
    if (!QMetaMethod::fromSignal(&QTimer::timeout).invoke(clockOf(window), Qt::DirectConnection))
        qFatal("the clock did not tick");
}

void runEnemyPhase(frmMainGameWindow *map)
{
    control<QProgressBar>(map, "prog_MoveTime")->setValue(99);
    tick(map);
}

frmMainGameWindow *shownMap()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *map = qobject_cast<frmMainGameWindow *>(window); map && map->isVisible())
            return map;
    }
    return nullptr;
}

QTextEdit *helpText(const QObject *help)
{
    return control<QTextEdit>(help, "helpText");
}

QTableView *hallTable(const QObject *hall)
{
    return control<QTableView>(hall, "hallTable");
}

const HallModel *hallModel(const QObject *hall)
{
    return qobject_cast<const HallModel *>(hallTable(hall)->model());
}

QObject *requireChild(const QObject *parent, const char *name)
{
    QObject *child = parent ? parent->findChild<QObject *>(QLatin1String(name)) : nullptr;
    if (!child)
        qFatal("no control named %s", name);
    return child;
}

VirtualPad::VirtualPad(Gamepad &gamepad, const QList<QByteArray> &mappings)
    : m_gamepad(gamepad)
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Test controller";
    if (!mappings.isEmpty()) {
        // The database goes by the maker's and the model's numbers.
        desc.vendor_id = 0x1209;
        desc.product_id = 0x0001;
    }
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0)
        qFatal("no virtual controller: %s", SDL_GetError());
    char id[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), id, sizeof id);
    for (const QByteArray &mapping : mappings) {
        if (SDL_GameControllerAddMapping(QByteArray(id + QByteArray(",") + mapping).constData()) < 0)
            qFatal("the controller database refused %s: %s", mapping.constData(), SDL_GetError());
    }
    m_joystick = SDL_JoystickOpen(index);
    if (!m_joystick)
        qFatal("no virtual controller: %s", SDL_GetError());
    m_gamepad.update();
}

VirtualPad::~VirtualPad()
{
    unplug();
}

void VirtualPad::unplug()
{
    if (!m_joystick)
        return;
    const int instance = SDL_JoystickInstanceID(m_joystick);
    SDL_JoystickClose(m_joystick);
    m_joystick = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == instance)
            SDL_JoystickDetachVirtual(index);
    }
    m_gamepad.update();
}

void VirtualPad::press(Gamepad::Button button, int axis, int value)
{
    set(button, axis, value, true);
    set(button, axis, value, false);
    QCoreApplication::processEvents();
}

void VirtualPad::set(Gamepad::Button button, int axis, int value, bool down)
{
    if (axis >= 0)
        SDL_JoystickSetVirtualAxis(m_joystick, axis, qint16(down ? value : 0));
    else
        SDL_JoystickSetVirtualButton(m_joystick, int(button), down ? 1 : 0);
    m_gamepad.update();
}

void VirtualPad::pressRaw(int index)
{
    for (const int down : {1, 0}) {
        SDL_JoystickSetVirtualButton(m_joystick, index, Uint8(down));
        m_gamepad.update();
    }
    QCoreApplication::processEvents();
}
