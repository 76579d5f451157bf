"""Processes that a scenario starts, each in a process group of its own and ended with its whole group when the
scenario is over, however it ended; waits that have a deadline and say what they waited for."""

import contextlib
import ctypes
import glob
import os
import signal
import subprocess
import sys
import time

_LIBC = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def log(message):
    print("  [%s] %s" % (time.strftime("%H:%M:%S"), message), file=sys.stderr, flush=True)


def wait_until(condition, seconds, step=0.05, while_=None, sleep=time.sleep):
    """Calls condition until it returns something true, at most SECONDS; returns that, or None when the time ran
    out. while_, at each step, may raise to end the wait early; sleep(step) passes the time between two calls."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if while_ is not None:
            while_()
        if time.monotonic() >= deadline:
            return None
        sleep(step)


def throughout(seconds, wrong):
    """Calls wrong every step for SECONDS; what it returns, when anything, is a failure."""
    failure = wait_until(wrong, seconds)
    if failure:
        raise AssertionError(failure)


def run(*command, check=True, env=None, timeout=30):
    """A short command's standard output; a failure raises AssertionError with the command's own words."""
    try:
        done = subprocess.run(command, capture_output=True, text=True, env=env, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise AssertionError("%s did not end within %d s" % (command[0], timeout)) from None
    if check and done.returncode != 0:
        raise AssertionError("%s failed (exit code %d): %s" % (" ".join(command[:3]), done.returncode,
                                                             done.stderr.strip()[-300:]))
    return done.stdout


def output(*command, env=None):
    """A command's standard output, or "" when it failed."""
    try:
        return run(*command, env=env, timeout=10)
    except (AssertionError, OSError):
        return ""


class Group:
    """The processes started for one scenario (or one fixture): each runs in a session and process group of its
    own, and stop() ends every one of them with its group, the last started first."""

    def __init__(self):
        self.started = []

    def start(self, command, log_file=None, env=None, cwd=None, **options):
        """Starts the command, its output appended to LOG_FILE or dropped unless OPTIONS say otherwise (stdout,
        stderr: None for the scenario's own). The child is killed when the scenario's process ends, however it ends."""
        with open(log_file or os.devnull, "ab") as out:
            process = subprocess.Popen(command, stdin=subprocess.DEVNULL, env=env, cwd=cwd, start_new_session=True,
                                       preexec_fn=lambda: _LIBC.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL),
                                       **{"stdout": out, "stderr": out, **options})
        self.started.append(process)
        return process

    def stop(self, process, ask=True):
        """Ends the process and its group: asked first (unless not ask), then killed. One that ended is forgotten."""
        for sig in ([signal.SIGTERM] if ask else []) + [signal.SIGKILL]:
            if process.poll() is not None:
                break
            with contextlib.suppress(ProcessLookupError):
                os.killpg(process.pid, sig)
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                if sig == signal.SIGKILL:
                    log("process %d did not end even when killed" % process.pid)
        if process in self.started:
            self.started.remove(process)

    def stop_all(self):
        for process in reversed(list(self.started)):
            self.stop(process)


def syscalls(pid, seconds, summary):
    """The system calls of the process and its threads over SECONDS, by name, as strace -c counts them (its
    summary kept in SUMMARY)."""
    done = subprocess.run(["timeout", "-s", "INT", str(seconds), "strace", "-c", "-f", "-p", str(pid), "-o", summary],
                          capture_output=True, text=True)
    if not os.path.exists(summary) or not os.path.getsize(summary):
        raise AssertionError("strace could not watch process %d: %s" % (pid, done.stderr))
    with open(summary) as f:
        rows = [line.split() for line in f]
    return {fields[-1]: int(fields[3]) for fields in rows if len(fields) >= 5 and fields[3].isdigit()}


def cpu_ms(pid):
    """The CPU time the process has used so far, in milliseconds."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000 // os.sysconf("SC_CLK_TCK")


def threads(pid):
    """Each thread of the process as "name (id): state S, waiting in wchan", for the report of a stuck program."""
    found = []
    for task in sorted(glob.glob("/proc/%d/task/*" % pid), key=lambda path: int(os.path.basename(path))):
        try:
            with open(os.path.join(task, "stat")) as f:
                stat = f.read()
            with open(os.path.join(task, "wchan")) as f:
                wchan = f.read().strip() or "-"
        except OSError:
            continue
        name = stat[stat.index("(") + 1:stat.rindex(")")]
        state = stat[stat.rindex(")") + 2]
        found.append("%s (%s): state %s, waiting in %s" % (name, os.path.basename(task), state, wchan))
    return found
