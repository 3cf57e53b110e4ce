"""A private desktop for a screen reader: a headless X display, a D-Bus
session, the AT-SPI bus, speech-dispatcher with its dummy voice and Orca,
each started here and ended here by its process id.

What Orca speaks is read from its debug log, where every utterance is a
line "SPEECH OUTPUT: '...'". Orca writes that log through a pseudo-terminal,
which it flushes at every line, where a file would hold lines back."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time
import tty

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?=[{ ]|$)", re.M)


class Failure(Exception):
    pass


def wait_for(what, test, seconds):
    """Waits until test() holds; fails naming what did not come."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if test():
            return
        time.sleep(0.1)
    raise Failure(f"{what}: not there after {seconds} s")


class Desktop:
    def __init__(self, display, keep=False):
        self.display = display
        self.keep = keep
        self.dir = tempfile.mkdtemp(prefix="tavrel-a11y-")
        self.procs = []
        self.orca_log = os.path.join(self.dir, "orca.log")
        run = os.path.join(self.dir, "run")
        os.makedirs(run, mode=0o700)
        home = os.path.join(self.dir, "home")
        os.makedirs(home)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": run,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "DISPLAY": display,
            "LANG": "C.UTF-8",
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(run, "bus"),
            "GSETTINGS_BACKEND": "memory",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "NO_AT_BRIDGE": "0",
        }

    def start(self, name, args, env=None):
        """Starts a process in a group of its own, its output in a log."""
        log = open(os.path.join(self.dir, name + ".out"), "wb")
        proc = subprocess.Popen(args, env=dict(self.env, **(env or {})), stdout=log,
                                stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                start_new_session=True)
        self.procs.append((name, proc))
        return proc

    def __enter__(self):
        try:
            self._start_all()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def _start_all(self):
        number = self.display.lstrip(":")
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            raise Failure(f"display {self.display} is taken: choose another with --display")
        self.start("xvfb", ["Xvfb", self.display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                            "-ardelay", "65000", "-arinterval", "65000"])
        wait_for("X display " + self.display,
                 lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 10)
        # A key whose release the screen reader holds back must not repeat.
        subprocess.run(["xset", "r", "off"], env=self.env, check=True)
        bus = self.env["DBUS_SESSION_BUS_ADDRESS"]
        self.start("dbus", ["dbus-daemon", "--session", "--nofork", "--address=" + bus])
        wait_for("session bus", lambda: os.path.exists(bus.split("=", 1)[1]), 10)
        self.start("atspi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for("AT-SPI bus", self._atspi_up, 10)
        self._start_speech()
        self._log = []
        master, slave = os.openpty()
        tty.setraw(slave)
        self._ptys = (master, slave)
        threading.Thread(target=self._read_log, args=(master,), daemon=True).start()
        self.start("orca", ["orca", "--replace", "--debug-file", os.ttyname(slave)])
        wait_for("Orca", lambda: "Screen reader on" in self._log_text(), 30)

    def _atspi_up(self):
        call = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True)
        return call.returncode == 0

    def _start_speech(self):
        conf = os.path.join(self.dir, "speechd")
        os.makedirs(os.path.join(conf, "modules"))
        logs = os.path.join(self.dir, "speechd-log")
        os.makedirs(logs)
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                    'AudioOutputMethod "libao"\nLogLevel 4\n')
        self.start("speechd", ["speech-dispatcher", "-s", "-t", "0", "-C", conf, "-L", logs, "-l", "4"])
        sock = os.path.join(self.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        wait_for("speech-dispatcher", lambda: os.path.exists(sock), 10)

    def _read_log(self, master):
        with open(self.orca_log, "wb") as copy:
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:
                    return
                if not data:
                    return
                copy.write(data)
                copy.flush()
                self._log.append(data)

    def _log_text(self):
        return b"".join(self._log).decode("utf-8", errors="replace")

    def spoken(self):
        """Every utterance Orca has spoken so far."""
        return [m.group(1) for m in SPOKEN.finditer(self._log_text())]

    def stop(self):
        for name, proc in reversed(self.procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for name, proc in reversed(self.procs):
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait(5)
        self.procs = []
        for fd in getattr(self, "_ptys", ()):
            os.close(fd)
        if not self.keep:
            shutil.rmtree(self.dir, ignore_errors=True)
