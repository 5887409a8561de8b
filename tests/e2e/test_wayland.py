"""The real program on a Wayland compositor of its own (weston, headless), through Qt's Wayland
platform plugin rather than Xwayland: its window is seen on the compositor's screenshot.
"""

import glob
import os
import shutil
import signal
import subprocess
import tempfile
import unittest

from harness import PROGRAM, Program, Screen, wait_for

BLUE = (0, 0, 255)


def missing_tools() -> str:
    """Why the program cannot be seen on Wayland here, or '' if it can."""
    for tool, package in (("weston", "weston"), ("weston-screenshooter", "weston"),
                          ("convert", "imagemagick")):
        if not shutil.which(tool):
            return f"{tool} is not installed ({package})"
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so"):
        return "Qt's Wayland platform plugin is not installed (qt6-wayland)"
    return ""


@unittest.skipIf(missing_tools(), missing_tools())
class OnWayland(unittest.TestCase):
    def setUp(self):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        self.runtime_dir = tempfile.mkdtemp(prefix="kinemora-wayland-")
        os.chmod(self.runtime_dir, 0o700)
        self.addCleanup(shutil.rmtree, self.runtime_dir, True)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime_dir, WAYLAND_DISPLAY="kinemora")
        for name in ("DISPLAY", "QT_QPA_PLATFORMTHEME"):
            self.env.pop(name, None)
        # --debug lets the screenshooter in; pixman draws the screen in memory.
        self.weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
             "--socket=kinemora", "--width=1024", "--height=768", "--idle-time=0"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        self.addCleanup(self.stop_weston)
        socket = os.path.join(self.runtime_dir, "kinemora")
        wait_for(lambda: os.path.exists(socket), 10, "the compositor's socket")
        self.dir = Program.copy_program_dir()
        self.addCleanup(shutil.rmtree, self.dir, True)

    def stop_weston(self):
        os.killpg(self.weston.pid, signal.SIGTERM)  # weston and the shell helpers it started
        try:
            self.weston.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.killpg(self.weston.pid, signal.SIGKILL)
            self.weston.wait()

    def screenshot(self) -> Screen:
        for old in glob.glob(os.path.join(self.runtime_dir, "wayland-screenshot-*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], cwd=self.runtime_dir, env=self.env,
                       capture_output=True, timeout=10, check=False)
        shots = glob.glob(os.path.join(self.runtime_dir, "wayland-screenshot-*.png"))
        if not shots:
            return None
        ppm = subprocess.run(["convert", shots[0], "-depth", "8", "ppm:-"],
                             capture_output=True, check=True).stdout
        return Screen(ppm)

    def blue_pixels(self) -> int:
        """The flasher's face and the question mark's ground are the screen's pure blue."""
        screen = self.screenshot()
        if screen is None:
            return 0
        return sum(screen.pixel(x, y) == BLUE
                   for y in range(0, screen.height, 2) for x in range(0, screen.width, 2))

    def test_the_main_window_shows_through_the_wayland_plugin(self):
        stderr = tempfile.TemporaryFile()
        program = subprocess.Popen([os.path.join(self.dir, "kinemora")], cwd=self.dir,
                                   env=dict(self.env, QT_QPA_PLATFORM="wayland"),
                                   stdout=subprocess.DEVNULL, stderr=stderr)

        def stop():
            if program.poll() is None:
                program.kill()
            program.wait()
            stderr.close()
        self.addCleanup(stop)
        # About 460 + 650 blue pixels of the flasher and the question mark, on every other row
        # and column.
        wait_for(lambda: program.poll() is not None or self.blue_pixels() > 800, 30,
                 "the main window on the compositor's screen")
        stderr.seek(0)
        self.assertIsNone(program.poll(), stderr.read().decode(errors="replace"))


if __name__ == "__main__":
    unittest.main()
