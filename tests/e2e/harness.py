"""Drives the real kinemora under Xvfb with real X input, and reads what it shows.

Each test starts its own X server and its own copy of the program's directory, moves and
clicks with xdotool, and waits on what the screen shows rather than on fixed sleeps.
"""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

PROGRAM = os.environ.get("KINEMORA_PROGRAM", "")
DATA_FILES = ["code.txt"] + [f"face {n}.bmp" for n in range(8)]


class Screen:
    """One screenshot of the whole X screen, as RGB pixels."""

    def __init__(self, ppm: bytes):
        fields, offset = [], 0
        while len(fields) < 4:  # magic, width, height, maximum value
            while ppm[offset : offset + 1].isspace():
                offset += 1
            if ppm[offset : offset + 1] == b"#":
                offset = ppm.index(b"\n", offset)
                continue
            end = offset
            while not ppm[end : end + 1].isspace():
                end += 1
            fields.append(ppm[offset:end])
            offset = end
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = ppm[offset + 1 :]

    def pixel(self, x: int, y: int):
        at = (y * self.width + x) * 3
        return tuple(self.pixels[at : at + 3])


class Program:
    """The real program in an X server of its own."""

    def __init__(self, program_dir: str | None = None, env: dict | None = None,
                 screen: str = "1024x768x24", wrapper=(), stderr=None, window_manager=()):
        """wrapper: a command the program is started through (it ends with the program's
        path); stderr: where its standard error goes instead of a file errors() reads;
        window_manager: a window manager's command, started and ready before the program."""
        self.dir = program_dir or self.copy_program_dir()
        # -noreset: a server resets when its last client leaves, and a program connecting just
        # then (after an xdotool probe) is refused and aborts.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp",
             "-noreset"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        display = self.xvfb.stdout.readline().decode().strip()
        self.env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb")
        self.env.pop("QT_QPA_PLATFORMTHEME", None)
        # Qt wants a runtime directory of its own; without one it makes /tmp/runtime-<user>.
        self.runtime_dir = tempfile.TemporaryDirectory(prefix="kinemora-xdg-")
        self.env.setdefault("XDG_RUNTIME_DIR", self.runtime_dir.name)
        self.env.update(env or {})
        self.window_manager = None
        if window_manager:
            self.window_manager = subprocess.Popen(
                list(window_manager), env=self.env, stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL)
            wait_for(lambda: "window id" in self.x(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False), 20,
                "the window manager")
        self.stderr = tempfile.TemporaryFile()
        program = os.path.join(self.dir, "kinemora")
        self.process = subprocess.Popen([*wrapper, program], cwd=self.dir, env=self.env,
                                        stderr=self.stderr if stderr is None else stderr,
                                        stdout=subprocess.DEVNULL)
        self.started = time.monotonic()
        self.window = None

    @staticmethod
    def copy_program_dir(skip=()) -> str:
        """A fresh directory holding the program and its data files."""
        directory = tempfile.mkdtemp(prefix="kinemora-e2e-")
        source = os.path.dirname(PROGRAM)
        for name in ["kinemora"] + DATA_FILES:
            if name not in skip:
                shutil.copy2(os.path.join(source, name), os.path.join(directory, name))
        return directory

    # --- the X side -------------------------------------------------------------------------
    def x(self, *args, check=True) -> str:
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                                check=False)
        if check and result.returncode != 0:
            raise RuntimeError(f"{args[0]} failed: {result.stderr}")
        return result.stdout

    def find_window(self, title: str, timeout: float = 10.0) -> int:
        """Waits for a visible top-level window with exactly this title."""
        def found():
            out = self.x("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
            ids = [int(line) for line in out.split()]
            return ids[0] if ids else None
        return wait_for(found, timeout, f"a window titled {title!r}")

    def windows(self, title: str) -> list[int]:
        """Every visible top-level window with exactly this title, now."""
        out = self.x("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
        return [int(line) for line in out.split()]

    def geometry(self, window: int):
        """(x, y, width, height) of a window's client area on the screen. (xdotool's
        getwindowgeometry counts a window manager's frame offset twice.)"""
        from Xlib import display as xdisplay
        connection = xdisplay.Display(self.env["DISPLAY"])
        try:
            target = connection.create_resource_object("window", window)
            size = target.get_geometry()
            at = connection.screen().root.translate_coords(target, 0, 0)
            return at.x, at.y, size.width, size.height
        finally:
            connection.close()

    def frame(self, window: int):
        """(x, y, width, height) of a window's frame, title bar included, as the window
        manager reports it (_NET_FRAME_EXTENTS: left, right, top, bottom); None until it
        does."""
        out = self.x("xprop", "-id", str(window), "_NET_FRAME_EXTENTS", check=False)
        if "=" not in out:
            return None
        left, right, top, bottom = (int(n) for n in out.split("=")[1].split(","))
        x, y, width, height = self.geometry(window)
        return x - left, y - top, width + left + right, height + top + bottom

    def main_window(self, timeout: float = 30.0):
        self.window = self.find_window("Kinemora", timeout)
        return self.geometry(self.window)

    def screen(self) -> Screen:
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                             env=self.env, capture_output=True, check=True).stdout
        return Screen(ppm)

    def pixel(self, x: int, y: int):
        """The colour at a point of the main window's client area."""
        left, top, _, _ = self.geometry(self.window)
        return self.screen().pixel(left + x, top + y)

    def colour_now(self, x: int, y: int):
        """The colour at a point of the main window's client area, read at once from the X
        server (fast enough to catch a frame that stays 100 ms)."""
        from Xlib import X, display as xdisplay
        left, top, _, _ = self.geometry(self.window)
        connection = xdisplay.Display(self.env["DISPLAY"])
        try:
            image = connection.screen().root.get_image(left + x, top + y, 1, 1, X.ZPixmap,
                                                       0xFFFFFFFF)
            blue, green, red = image.data[:3]  # 24-bit TrueColor: B, G, R, pad
            return red, green, blue
        finally:
            connection.close()

    def pixels(self, box):
        """The colours of a client rectangle from one screenshot, keyed by client point."""
        x0, y0, x1, y1 = box
        left, top, _, _ = self.geometry(self.window)
        screen = self.screen()
        return {(x, y): screen.pixel(left + x, top + y)
                for y in range(y0, y1) for x in range(x0, x1)}

    def save_screenshot(self, path: str, window_only=True):
        left, top, width, height = self.geometry(self.window)
        crop = ["-crop", f"{width}x{height}+{left}+{top}", "+repage"] if window_only else []
        subprocess.run(["import", "-window", "root", *crop, path], env=self.env, check=True)

    def move(self, x: int, y: int):
        left, top, _, _ = self.geometry(self.window)
        self.x("xdotool", "mousemove", str(left + x), str(top + y))

    def click(self, x: int, y: int, button: int = 1):
        self.move(x, y)
        self.x("xdotool", "click", str(button))

    def press(self, x: int, y: int, button: int = 1):
        self.move(x, y)
        self.x("xdotool", "mousedown", str(button))

    def release(self, button: int = 1):
        self.x("xdotool", "mouseup", str(button))

    def key(self, name: str):
        self.x("xdotool", "key", name)

    def close_window(self, window: int):
        """Asks the window to close as a window manager does: WM_DELETE_WINDOW."""
        from Xlib import X, display as xdisplay, protocol
        connection = xdisplay.Display(self.env["DISPLAY"])
        target = connection.create_resource_object("window", window)
        protocols = connection.intern_atom("WM_PROTOCOLS")
        delete = connection.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        target.send_event(event, event_mask=X.NoEventMask)
        connection.sync()
        connection.close()

    def clipboard(self, timeout: float = 5.0) -> str:
        """The text the program last copied (Ctrl+C), asked of the clipboard's owner."""
        from Xlib import X, display as xdisplay
        connection = xdisplay.Display(self.env["DISPLAY"])
        try:
            requester = connection.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
            clipboard, utf8, into = (connection.intern_atom(name) for name in
                                     ("CLIPBOARD", "UTF8_STRING", "KINEMORA_E2E_CLIPBOARD"))
            requester.convert_selection(clipboard, utf8, into, X.CurrentTime)
            connection.flush()
            deadline = time.monotonic() + timeout
            while True:
                while connection.pending_events():
                    event = connection.next_event()
                    if event.type == X.SelectionNotify:
                        if event.property == X.NONE:
                            return ""
                        value = requester.get_full_property(into, X.AnyPropertyType)
                        return value.value.decode(errors="replace") if value else ""
                if time.monotonic() > deadline:
                    raise AssertionError("the clipboard's owner did not answer")
                time.sleep(0.02)
        finally:
            connection.close()

    def box_text(self, box: int) -> str:
        """The message of a message box: a click on its text, select all, copy."""
        left, top, width, _ = self.geometry(box)
        self.x("xdotool", "mousemove", str(left + width * 2 // 3), str(top + 15), "click", "1")
        self.key("ctrl+a")
        self.key("ctrl+c")
        return wait_for(self.clipboard, 5, "the box's text on the clipboard")

    def wait_exit(self, timeout: float = 10.0) -> int:
        return self.process.wait(timeout=timeout)

    def errors(self) -> str:
        self.stderr.seek(0)
        return self.stderr.read().decode(errors="replace")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.window_manager:
            self.window_manager.kill()
            self.window_manager.wait()
        self.xvfb.kill()
        self.xvfb.wait()
        self.xvfb.stdout.close()
        self.stderr.close()
        self.runtime_dir.cleanup()


def wait_for(probe, timeout: float, what: str, interval: float = 0.02):
    """Polls until probe() gives something truthy; fails the test after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


def near(colour, expected, tolerance=40) -> bool:
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class ProgramTest(unittest.TestCase):
    """A test with the real program started and its main window found."""

    def setUp(self):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        self.program = Program()
        self.addCleanup(shutil.rmtree, self.program.dir, True)
        self.addCleanup(self.program.stop)
        self.origin = self.program.main_window()
