#include "system/gamepad.h"

#include <QSocketNotifier>

#include <SDL.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>

static_assert(int(Gamepad::Button::A) == SDL_CONTROLLER_BUTTON_A);
static_assert(int(Gamepad::Button::Start) == SDL_CONTROLLER_BUTTON_START);
static_assert(int(Gamepad::Button::DpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(Gamepad::ButtonCount == SDL_CONTROLLER_BUTTON_MAX);

namespace {

// The stick counts as pushed past half its way, and as back in the middle
// below a quarter, so that a stick held near the edge of the dead zone
// does not flicker between pushed and not.
constexpr int PushedAt = 16384;
constexpr int BackAt = 8192;

// Where the system makes the input devices' nodes.
constexpr char InputFolder[] = "/dev/input";

} // namespace

// One open controller, and a descriptor of its own on the controller's
// device: the kernel wakes it when the controller says something, which is
// when the library has something to read.
struct Gamepad::Pad
{
    SDL_GameController *controller = nullptr;
    int device = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::optional<Button> stick;
    int x = 0;
    int y = 0;

    ~Pad()
    {
        // The notifier may be the one whose wake-up led here, through a
        // press that opened a window: it goes once its call has returned.
        if (notifier) {
            notifier->setEnabled(false);
            notifier.release()->deleteLater();
        }
        if (device >= 0)
            ::close(device);
        SDL_GameControllerClose(controller);
    }
};

Gamepad::Gamepad(QObject *parent)
    : QObject(parent)
{
    m_repeat.setSingleShot(false);
    // A held key's repeats are never early; neither are a held direction's.
    m_repeat.setTimerType(Qt::PreciseTimer);
    connect(&m_repeat, &QTimer::timeout, this, &Gamepad::onRepeat);
}

Gamepad::~Gamepad()
{
    m_pads.clear();
    m_folder.reset();
    if (m_inotify >= 0)
        ::close(m_inotify);
    if (m_started)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

std::optional<Gamepad::Button> Gamepad::lean(int x, int y, bool pushed)
{
    const int reach = pushed ? BackAt : PushedAt;
    if (qMax(qAbs(x), qAbs(y)) < reach)
        return std::nullopt;
    if (qAbs(x) >= qAbs(y))
        return x < 0 ? Button::DpadLeft : Button::DpadRight;
    return y < 0 ? Button::DpadUp : Button::DpadDown;
}

bool Gamepad::start()
{
    if (m_started)
        return true;
    // The program's own signals stay the program's: the library would
    // otherwise turn an interrupt or a termination into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Every controller is read through its input device node, which the
    // folder watch below sees come and go. The library's own raw-device
    // drivers would need nodes that folder does not hold.
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    // A is the lower face button on every controller, as the help says,
    // also where the library would name the buttons by their printed
    // labels (a Nintendo pad's A is its right one).
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    // The library then learns of new nodes from the same folder
    // notification that wakes the game, not from a later device-manager
    // message that may not have arrived yet when the game looks.
    SDL_SetHint("SDL_JOYSTICK_DISABLE_UDEV", "1");
    SDL_SetMainReady();
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        m_error = QString::fromUtf8(SDL_GetError());
        return false;
    }
    m_started = true;
    m_keyRepeat = KeyRepeat::ofDesktop();
    SDL_GameControllerEventState(SDL_ENABLE);
    watchInputFolder();
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
        open(index);
    update();
    return true;
}

void Gamepad::watchInputFolder()
{
    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0)
        return;
    if (inotify_add_watch(m_inotify, InputFolder, IN_CREATE | IN_DELETE | IN_MOVE | IN_ATTRIB) < 0) {
        // No such folder (a container): the controllers there at the start
        // are all there will be.
        ::close(m_inotify);
        m_inotify = -1;
        return;
    }
    m_folder = std::make_unique<QSocketNotifier>(m_inotify, QSocketNotifier::Read);
    connect(m_folder.get(), &QSocketNotifier::activated, this, [this] {
        std::array<char, 4096> events;
        while (::read(m_inotify, events.data(), events.size()) > 0) {}
        update();
    });
}

void Gamepad::update()
{
    if (!m_started)
        return;
    SDL_Event event;
    // One event at a time: a press may open a modal window whose own loop
    // comes back here for the rest.
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (event.cbutton.button < ButtonCount)
                onButton(event.cbutton.which, Button(event.cbutton.button), event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERAXISMOTION:
            onStick(event.caxis.which, event.caxis.axis, event.caxis.value);
            break;
        default:
            break;
        }
    }
}

void Gamepad::open(int deviceIndex)
{
    if (!SDL_IsGameController(deviceIndex))
        return;
    const int instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (instance < 0 || m_pads.contains(instance))
        return;
    SDL_GameController *controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    auto pad = std::make_shared<Pad>();
    pad->controller = controller;
    // A virtual controller has no node; the one who works it calls update().
    if (const char *path = SDL_GameControllerPath(controller))
        pad->device = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (pad->device >= 0) {
        pad->notifier = std::make_unique<QSocketNotifier>(pad->device, QSocketNotifier::Read);
        const int device = pad->device;
        QSocketNotifier *notifier = pad->notifier.get();
        connect(notifier, &QSocketNotifier::activated, this, [this, device, notifier] {
            // This descriptor's copy of the events only wakes the game; the
            // library reads its own.
            std::array<char, 1024> events;
            ssize_t got;
            while ((got = ::read(device, events.data(), events.size())) > 0) {}
            // Unplugged: the folder watch reports the loss; this descriptor
            // would only wake the game for nothing from now on.
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR))
                notifier->setEnabled(false);
            update();
        });
    }
    m_pads.insert(instance, pad);
}

void Gamepad::close(int instance)
{
    if (m_held && m_held->instance == instance) {
        m_held.reset();
        m_repeat.stop();
    }
    m_pads.remove(instance);
}

void Gamepad::onButton(int instance, Button button, bool down)
{
    if (!m_pads.contains(instance))
        return;
    const bool direction = button == Button::DpadUp || button == Button::DpadDown || button == Button::DpadLeft
        || button == Button::DpadRight;
    if (!direction) {
        if (down)
            emit pressed(button, false);
        return;
    }
    if (down)
        push(instance, Source::Dpad, button);
    else if (m_held && m_held->instance == instance && m_held->source == Source::Dpad && m_held->direction == button)
        letGo(instance, Source::Dpad);
}

void Gamepad::onStick(int instance, int axis, int value)
{
    const std::shared_ptr<Pad> pad = m_pads.value(instance);
    if (!pad)
        return;
    if (axis == SDL_CONTROLLER_AXIS_LEFTX)
        pad->x = value;
    else if (axis == SDL_CONTROLLER_AXIS_LEFTY)
        pad->y = value;
    else
        return;
    const std::optional<Button> way = lean(pad->x, pad->y, pad->stick.has_value());
    if (way == pad->stick)
        return;
    if (pad->stick)
        letGo(instance, Source::Stick);
    pad->stick = way;
    if (way)
        push(instance, Source::Stick, *way);
}

void Gamepad::push(int instance, Source source, Button direction)
{
    m_held = Held{instance, source, direction};
    m_repeat.stop();
    // Where a held key does not repeat, neither does a held direction.
    if (m_keyRepeat.interval > 0)
        m_repeat.start(m_keyRepeat.delay);
    emit pressed(direction, false);
}

void Gamepad::letGo(int instance, Source source)
{
    if (m_held && m_held->instance == instance && m_held->source == source) {
        m_held.reset();
        m_repeat.stop();
    }
}

void Gamepad::onRepeat()
{
    if (!m_held) {
        m_repeat.stop();
        return;
    }
    // Set once, after the first wait: setting it restarts the timer.
    if (m_repeat.interval() != m_keyRepeat.interval)
        m_repeat.setInterval(m_keyRepeat.interval);
    emit pressed(m_held->direction, true);
}
