/*
 * A game controller for the end-to-end scenarios, on a machine with no
 * /dev/uinput to make a real one: loaded into the unmodified game with
 * LD_PRELOAD, it attaches one of SDL's virtual controllers as soon as the
 * game starts SDL's controller support, and works it from lines written to
 * the FIFO $CHROMALAND_VIRTUALPAD/control, one command a line, in SDL's
 * own names of the buttons and axes:
 *
 *     a down          a button held down ("a", "start", "dpright", ...)
 *     a up            and let go
 *     leftx -32768    an axis moved ("leftx", "lefty", ...)
 *
 * The game learns that a controller has something to say from its device
 * node. This controller's node is the FIFO $CHROMALAND_VIRTUALPAD/pad,
 * which SDL_GameControllerPath gives the game; a byte written there for
 * each command wakes it as a device would. Each command is carried out on
 * the game's own thread, in its SDL_PollEvent, one each time SDL has
 * handed out every event it had, so that a press and its release are two
 * reports as from a real controller. The library's own thread only reads the control FIFO; it
 * makes no SDL call. Without $CHROMALAND_VIRTUALPAD nothing changes.
 */

#define _GNU_SOURCE
#include <SDL.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { CommandLength = 64, QueueLength = 1024 };

static pthread_mutex_t queueLock = PTHREAD_MUTEX_INITIALIZER;
static char queue[QueueLength][CommandLength];
static unsigned queued, taken;

static SDL_Joystick *pad;
static SDL_JoystickID padId = -1;
static char nodePath[4096];
static char controlPath[4096];
/* Both ends of the node: the game reads it, so it never sees an end of file. */
static int node = -1;

static void *real(const char *name)
{
    void *function = dlsym(RTLD_NEXT, name);
    if (!function) {
        fprintf(stderr, "virtualpad: no %s to stand in front of\n", name);
        abort();
    }
    return function;
}

static void wake(void)
{
    if (write(node, "!", 1) < 0)
        perror("virtualpad: waking the game");
}

static int take(char *command)
{
    pthread_mutex_lock(&queueLock);
    const int some = taken != queued;
    if (some)
        memcpy(command, queue[taken++ % QueueLength], CommandLength);
    pthread_mutex_unlock(&queueLock);
    return some;
}

static int waiting(void)
{
    pthread_mutex_lock(&queueLock);
    const int some = taken != queued;
    pthread_mutex_unlock(&queueLock);
    return some;
}

static void put(const char *line)
{
    pthread_mutex_lock(&queueLock);
    if (queued - taken < QueueLength)
        snprintf(queue[queued++ % QueueLength], CommandLength, "%s", line);
    else
        fprintf(stderr, "virtualpad: too many commands at once, \"%s\" dropped\n", line);
    pthread_mutex_unlock(&queueLock);
    wake();
}

static void *readControl(void *unused)
{
    (void)unused;
    /* Read and write: writers may come and go without an end of file. No
     * stdio here: a thread blocked in fgets() holds its stream's lock, and
     * the game's last fflush(NULL) would wait for it for ever. */
    const int control = open(controlPath, O_RDWR | O_CLOEXEC);
    if (control < 0) {
        perror("virtualpad: the control FIFO");
        return NULL;
    }
    char line[CommandLength];
    size_t length = 0;
    char byte;
    while (read(control, &byte, 1) == 1) {
        if (byte != '\n' && byte != '\r') {
            if (length < sizeof line - 1)
                line[length++] = byte;
            continue;
        }
        line[length] = '\0';
        if (length > 0)
            put(line);
        length = 0;
    }
    return NULL;
}

static void carryOut(const char *command)
{
    char name[CommandLength];
    char word[CommandLength];
    if (sscanf(command, "%63s %63s", name, word) != 2) {
        fprintf(stderr, "virtualpad: \"%s\" is no command\n", command);
        return;
    }
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name);
    const SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(name);
    int done = -1;
    if (button != SDL_CONTROLLER_BUTTON_INVALID && (!strcmp(word, "down") || !strcmp(word, "up")))
        done = SDL_JoystickSetVirtualButton(pad, button, !strcmp(word, "down"));
    else if (axis != SDL_CONTROLLER_AXIS_INVALID)
        done = SDL_JoystickSetVirtualAxis(pad, axis, (Sint16)atoi(word));
    fprintf(stderr, "virtualpad: %s%s\n", command, done == 0 ? "" : " (not carried out)");
}

static void attach(const char *folder)
{
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Chromaland test controller";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    pad = index < 0 ? NULL : SDL_JoystickOpen(index);
    if (!pad) {
        fprintf(stderr, "virtualpad: no virtual controller: %s\n", SDL_GetError());
        return;
    }
    padId = SDL_JoystickInstanceID(pad);
    snprintf(nodePath, sizeof nodePath, "%s/pad", folder);
    snprintf(controlPath, sizeof controlPath, "%s/control", folder);
    unlink(nodePath);
    if (mkfifo(nodePath, 0600) != 0 || (node = open(nodePath, O_RDWR | O_NONBLOCK | O_CLOEXEC)) < 0) {
        perror("virtualpad: the controller's node");
        return;
    }
    pthread_t reader;
    if (pthread_create(&reader, NULL, readControl, NULL) == 0) {
        pthread_setname_np(reader, "virtualpad");
        pthread_detach(reader);
    }
}

int SDL_InitSubSystem(Uint32 flags)
{
    int (*init)(Uint32) = real("SDL_InitSubSystem");
    const int result = init(flags);
    const char *folder = getenv("CHROMALAND_VIRTUALPAD");
    if (result == 0 && folder && !pad && (flags & (SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER)))
        attach(folder);
    return result;
}

int SDL_PollEvent(SDL_Event *event)
{
    int (*poll)(SDL_Event *) = real("SDL_PollEvent");
    /* SDL reads the controllers only once its queue has been emptied; a
     * command carried out before then would be read together with the
     * next, and a press and its release would be no press at all. */
    static int emptied = 1;
    for (;;) {
        char command[CommandLength];
        if (pad && emptied && take(command))
            carryOut(command);
        const int got = poll(event);
        emptied = !got;
        if (got || !pad || !waiting())
            return got;
    }
}

const char *SDL_GameControllerPath(SDL_GameController *controller)
{
    const char *(*path)(SDL_GameController *) = real("SDL_GameControllerPath");
    if (pad && node >= 0 && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == padId)
        return nodePath;
    return path(controller);
}
