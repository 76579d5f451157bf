#include "system/sound.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QTimer>

#include <SDL.h>

#include <algorithm>

// The resource compiler's initialiser is declared outside every namespace.
static void initSounds()
{
    Q_INIT_RESOURCE(chromaland_sounds);
}

namespace {

bool s_on = true;
std::optional<bool> s_cueChoice;
Sound::Listener s_listener;

// A sound as the device takes it.
struct Clip
{
    Uint8 *data = nullptr;
    Uint32 bytes = 0;
};

// Sounds once read, and those that could not be (an empty clip).
QHash<QString, Clip> s_clips;

SDL_AudioDeviceID s_device = 0;
// No second try at the server before this: a missing one is asked again
// now and then, not at every step.
QDeadlineTimer s_nextTry(0);
constexpr int RetryAfterMs = 10000;
// What the device and the server still hold once the queue is empty.
constexpr int TailMs = 300;

SDL_AudioSpec wanted()
{
    SDL_AudioSpec audio{};
    audio.freq = SoundSet::SampleRate;
    audio.format = AUDIO_S16LSB;
    audio.channels = SoundSet::Channels;
    audio.samples = 512;
    return audio;
}

Clip load(const QString &name)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    SDL_AudioSpec audio;
    Clip clip;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1, &audio, &clip.data, &clip.bytes))
        return {};
    const SDL_AudioSpec want = wanted();
    // The sound maker makes every sound in the device's format.
    if (audio.freq != want.freq || audio.format != want.format || audio.channels != want.channels) {
        SDL_FreeWAV(clip.data);
        return {};
    }
    return clip;
}

const Clip &clipNamed(const QString &name)
{
    auto found = s_clips.find(name);
    if (found == s_clips.end()) {
        initSounds();
        found = s_clips.insert(name, load(name));
    }
    return *found;
}

bool startAudio()
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The desktop's sound server, by either of its protocols; never the
    // sound card itself, which a server may hold (SDL_AUDIODRIVER still
    // chooses).
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "pulseaudio,pipewire", SDL_HINT_DEFAULT);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Chromaland");
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

void closeWhenHeard();

QTimer *closer()
{
    static QTimer *timer = [] {
        auto *t = new QTimer(QCoreApplication::instance());
        t->setSingleShot(true);
        QObject::connect(t, &QTimer::timeout, t, &closeWhenHeard);
        return t;
    }();
    return timer;
}

int queuedMs()
{
    const SDL_AudioSpec audio = wanted();
    const int bytesPerSecond = audio.freq * audio.channels * int(sizeof(Sint16));
    return int(qint64(SDL_GetQueuedAudioSize(s_device)) * 1000 / bytesPerSecond);
}

// The device is closed once it has played everything: an open device
// wakes the game many times a second, even in silence.
void closeWhenHeard()
{
    if (!s_device)
        return;
    if (SDL_GetQueuedAudioSize(s_device) > 0) {
        closer()->start(queuedMs() + TailMs);
        return;
    }
    SDL_CloseAudioDevice(s_device);
    s_device = 0;
}

bool openDevice()
{
    if (s_device)
        return true;
    if (!s_nextTry.hasExpired())
        return false;
    const SDL_AudioSpec want = wanted();
    if (startAudio())
        s_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!s_device)
        s_nextTry.setRemainingTime(RetryAfterMs);
    return s_device != 0;
}

// Whether the sound was handed on: to a listening test, or to the device.
bool queue(const QString &name, bool onlyIfQuiet)
{
    if (s_listener) {
        s_listener(name);
        return true;
    }
    const Clip &clip = clipNamed(name);
    if (!clip.data || !openDevice())
        return false;
    if (onlyIfQuiet && SDL_GetQueuedAudioSize(s_device) > 0)
        return false;
    if (SDL_QueueAudio(s_device, clip.data, clip.bytes) != 0)
        return false;
    SDL_PauseAudioDevice(s_device, 0);
    closer()->start(queuedMs() + TailMs);
    return true;
}

} // namespace

void Sound::play(SoundSet::Effect effect)
{
    if (s_on)
        queue(QLatin1String(SoundSet::nameOf(effect)), false);
}

void Sound::cue(int across, int down)
{
    if (!s_on || !cueOn())
        return;
    using SoundSet::Beside;
    QString name;
    if (std::abs(across) + std::abs(down) == 1) {
        const Beside way = across < 0 ? Beside::Left
            : across > 0              ? Beside::Right
            : down < 0                ? Beside::Up
                                      : Beside::Down;
        name = QLatin1String(SoundSet::nameOf(way));
    } else {
        // Higher for an enemy above, lower for one below.
        name = QString::fromStdString(SoundSet::cueName(SoundSet::cueStep(across), -SoundSet::cueStep(down)));
    }
    queue(name, true);
}

bool Sound::on()
{
    return s_on;
}

void Sound::setOn(bool on)
{
    s_on = on;
    if (!on && s_device)
        SDL_ClearQueuedAudio(s_device);
}

bool Sound::cueOn()
{
    return s_cueChoice.value_or(QAccessible::isActive());
}

void Sound::setCueChoice(std::optional<bool> on)
{
    s_cueChoice = on;
}

void Sound::listen(Listener listener)
{
    s_listener = std::move(listener);
}
