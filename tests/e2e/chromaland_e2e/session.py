"""A session manager as small as the X11 session management protocol (XSMP) allows, over the system's libSM and
libICE: it listens, lets every client register, and on request tells them to save (a checkpoint, or the save before
a logout) and then to die, as a desktop's session manager does at a logout. Its address goes into the game's
SESSION_MANAGER; it runs on a thread of its own, which alone calls into the libraries."""

import ctypes
import queue
import select
import threading

from .processes import log, wait_until

ICE = ctypes.CDLL("libICE.so.6")
SM = ctypes.CDLL("libSM.so.6")

SAVE_BOTH = 2
INTERACT_NONE = 0


class Handle(ctypes.c_void_p):
    """A connection, listener or text of the libraries. Unlike a c_void_p it stays a ctypes object when a function
    returns it or a callback receives it, and so goes back to the libraries as a pointer, not as an int."""


VOID_P, INT = ctypes.c_void_p, ctypes.c_int
HOST_BASED_AUTH = ctypes.CFUNCTYPE(INT, ctypes.c_char_p)
IO_ERROR = ctypes.CFUNCTYPE(None, Handle)
# The callbacks of a client's messages, by their arguments after (connection, manager data).
REGISTER = ctypes.CFUNCTYPE(INT, Handle, VOID_P, ctypes.c_char_p)
WITH_INT = ctypes.CFUNCTYPE(None, Handle, VOID_P, INT)
WITH_LIST = ctypes.CFUNCTYPE(None, Handle, VOID_P, INT, VOID_P)
PLAIN = ctypes.CFUNCTYPE(None, Handle, VOID_P)
SAVE_REQUEST = ctypes.CFUNCTYPE(None, Handle, VOID_P, INT, INT, INT, INT, INT)
ICE.IceComposeNetworkIdList.restype = ctypes.c_char_p
ICE.IceAcceptConnection.restype = Handle
SM.SmsGenerateClientID.restype = Handle


class Callback(ctypes.Structure):
    _fields_ = [("callback", VOID_P), ("manager_data", VOID_P)]


class Callbacks(ctypes.Structure):
    _fields_ = [(name, Callback) for name in (
        "register_client", "interact_request", "interact_done", "save_yourself_request",
        "save_yourself_phase2_request", "save_yourself_done", "close_connection", "set_properties",
        "delete_properties", "get_properties")]


NEW_CLIENT = ctypes.CFUNCTYPE(INT, Handle, VOID_P, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(Callbacks),
                              ctypes.POINTER(ctypes.c_char_p))


class SessionManager:
    """Listens from creation on; address is what SESSION_MANAGER takes. save(shutdown) asks the client registered
    last to save and waits for its answer; die() tells it to end."""

    def __init__(self):
        self.client = None
        self.saved = 0
        # What the scenario asks of the clients, done on the manager's thread.
        self.orders = queue.SimpleQueue()
        # Kept alive as long as the libraries may call them.
        self.anyone = HOST_BASED_AUTH(lambda host: 1)
        # A connection that breaks is dropped; libICE's own handler would end this whole process.
        self.io_error = IO_ERROR(lambda conn: None)
        ICE.IceSetIOErrorHandler(self.io_error)

        def ignore(*args):
            return None
        self.procs = dict(register_client=REGISTER(self.on_register), interact_request=WITH_INT(ignore),
                          interact_done=WITH_INT(ignore), save_yourself_request=SAVE_REQUEST(ignore),
                          save_yourself_phase2_request=PLAIN(ignore), save_yourself_done=WITH_INT(self.on_done),
                          close_connection=WITH_LIST(lambda conn, *_: SM.SmsCleanUp(conn)),
                          set_properties=WITH_LIST(ignore), delete_properties=WITH_LIST(ignore),
                          get_properties=PLAIN(lambda conn, data: SM.SmsReturnProperties(conn, 0, None)))
        self.new_client = NEW_CLIENT(self.on_new_client)
        error = ctypes.create_string_buffer(256)
        if not SM.SmsInitialize(b"chromaland-tests", b"1", self.new_client, None, self.anyone, 256, error):
            raise AssertionError("no session manager: " + error.value.decode())
        count = INT()
        self.listeners = ctypes.POINTER(Handle)()
        if not ICE.IceListenForConnections(ctypes.byref(count), ctypes.byref(self.listeners), 256, error):
            raise AssertionError("the session manager cannot listen: " + error.value.decode())
        self.listening = [self.listeners[i] for i in range(count.value)]
        for listener in self.listening:
            ICE.IceSetHostBasedAuthProc(listener, self.anyone)
        self.address = ICE.IceComposeNetworkIdList(count, self.listeners).decode()
        self.connections = []
        self.running = True
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()
        log("a session manager listens at %s" % self.address)

    # --- The protocol, on the manager's thread ----------------------------

    def on_new_client(self, conn, data, mask, callbacks, reason):
        for name, proc in self.procs.items():
            getattr(callbacks.contents, name).callback = ctypes.cast(proc, VOID_P)
        mask[0] = (1 << 10) - 1
        return 1

    def on_register(self, conn, data, previous):
        SM.SmsRegisterClientReply(conn, SM.SmsGenerateClientID(conn))
        # The client told to save and to die is the one registered last.
        self.client = conn
        return 1

    def on_done(self, conn, data, success):
        self.saved += 1

    def serve(self):
        while self.running:
            while not self.orders.empty():
                self.orders.get()()
            fds = {ICE.IceGetListenConnectionNumber(l): l for l in self.listening}
            fds.update({ICE.IceConnectionNumber(c): c for c in self.connections})
            for fd in select.select(list(fds), [], [], 0.05)[0]:
                if fds[fd] in self.listening:
                    conn = ICE.IceAcceptConnection(fds[fd], ctypes.byref(INT()))
                    if conn:
                        self.connections.append(conn)
                elif ICE.IceProcessMessages(fds[fd], None, None) != 0:
                    log("a client of the session manager went away")
                    self.connections.remove(fds[fd])
                    ICE.IceCloseConnection(fds[fd])

    # --- Asked by the scenario ---------------------------------------------

    def await_client(self, seconds):
        if not wait_until(lambda: self.client is not None, seconds):
            raise AssertionError("the game never registered with the session manager")

    def save(self, shutdown, seconds=10):
        """Asks the client to save (before a logout when SHUTDOWN) and waits until it has."""
        before = self.saved
        self.orders.put(lambda: SM.SmsSaveYourself(self.client, SAVE_BOTH, int(shutdown), INTERACT_NONE, 0))
        if not wait_until(lambda: self.saved > before, seconds):
            raise AssertionError("the game did not say it had saved within %d s" % seconds)

    def die(self):
        self.orders.put(lambda: SM.SmsDie(self.client))

    def stop(self):
        self.running = False
        self.thread.join(5)
