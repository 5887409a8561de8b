"""kinemora.exe under Wine on the X display it is given, from the Windows zip unpacked into a
folder whose name has blanks and non-ASCII letters, or as installed: it prints its help and
version, starts, shows its main window at the described size, bounces the ball on a click,
opens How It Works on F1 and ends on Alt+F4 in the main window, How It Works still shown, with
status 0.

Run inside scripts/windows/wine-session.sh (which sets WINE) with KINEMORA_ZIP naming the zip,
or KINEMORA_EXE naming an installed kinemora.exe (a Unix path into the Wine prefix);
KINEMORA_SCREENSHOT, if set, is where the main window's picture is saved.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from harness import Screen, near, wait_for  # noqa: E402

WINE = os.environ.get("WINE", "")
ZIP = os.environ.get("KINEMORA_ZIP", "")
EXE = os.environ.get("KINEMORA_EXE", "")
CYAN, BLUE = (0, 255, 255), (0, 0, 255)
# Client points, in pixels at 100 %: the "Horizontal" button's middle and the ball's row.
HORIZONTAL = (284, 28)
BALL_ROW, BALL_BOX = 107, (328, 753)
BARE_FORM = (757, 8)


def x(*args) -> str:
    return subprocess.run(list(args), capture_output=True, text=True, check=False,
                          timeout=60).stdout


def visible_window(title: str):
    ids = x("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").split()
    return int(ids[0]) if ids else None


def geometry(window: int):
    values = dict(line.split("=") for line in
                  x("xdotool", "getwindowgeometry", "--shell", str(window)).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def screen() -> Screen:
    return Screen(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                                 capture_output=True, check=True).stdout)


@unittest.skipUnless(WINE and (ZIP or EXE), "run through scripts/windows/test.sh")
class KinemoraUnderWine(unittest.TestCase):
    def setUp(self):
        if EXE:
            self.program = EXE
            return
        self.folder = tempfile.mkdtemp(prefix="kinemora wine ")
        target = os.path.join(self.folder, "Kinemora für Schüler")
        with zipfile.ZipFile(ZIP) as archive:
            archive.extractall(target)
        (top,) = os.listdir(target)
        self.program = os.path.join(target, top, "kinemora.exe")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def run_exe(self, *args) -> str:
        result = subprocess.run([WINE, self.program, *args], capture_output=True, text=True,
                                timeout=120, check=True)
        return result.stdout

    def test_help_and_version_print_and_name_no_x11_display(self):
        usage = self.run_exe("--help")
        self.assertIn("Usage: kinemora", usage)
        self.assertNotIn("X11", usage)
        self.assertNotIn("Wayland", usage)
        self.assertRegex(self.run_exe("--version"), r"^kinemora \d+\.\d+")

    def test_window_comes_up_bounces_the_ball_opens_help_and_ends_on_alt_f4(self):
        started = time.monotonic()
        process = subprocess.Popen([WINE, self.program], cwd=os.path.dirname(self.program),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.addCleanup(process.stderr.close)
        self.addCleanup(lambda: process.poll() is None and process.kill())
        window = wait_for(lambda: visible_window("Kinemora"), 120, "the main window")
        left, top, width, height = geometry(window)
        self.assertEqual((width, height), (760, 363))
        wait_for(lambda: near(screen().pixel(left + 20, top + 36), BLUE), 30, "a blue flasher")
        print(f"\nstart-up to a painted window: {time.monotonic() - started:.2f} s",
              file=sys.stderr)
        if os.environ.get("KINEMORA_SCREENSHOT"):
            subprocess.run(["import", "-window", "root", "-crop",
                            f"{width}x{height}+{left}+{top}", "+repage",
                            os.environ["KINEMORA_SCREENSHOT"]], check=True)

        def ball_left():
            shot = screen()
            row = [px for px in range(*BALL_BOX)
                   if near(shot.pixel(left + px, top + BALL_ROW), CYAN, 10)]
            return (row[0] if row else None), time.monotonic()

        start_x, _ = ball_left()
        self.assertIsNotNone(start_x, "the ball in its box")
        x("xdotool", "mousemove", str(left + HORIZONTAL[0]), str(top + HORIZONTAL[1]),
          "click", "1")
        first = wait_for(lambda: (lambda b: b if b[0] is not None and b[0] < start_x else None)(
            ball_left()), 10, "the ball moving left")
        # The ball goes 10 twips (2/3 of a pixel) on each tick of Timer4 until it turns at 0.
        last = wait_for(lambda: (lambda b: b if b[1] - first[1] >= 1.5 or b[0] < 40 else None)(
            ball_left()), 10, "the ball further on")
        ticks = (first[0] - last[0]) * 15 / 10
        print(f"Timer4: {ticks / (last[1] - first[1]):.0f} ticks a second", file=sys.stderr)

        x("xdotool", "key", "F1")
        help_window = wait_for(lambda: visible_window("How It Works"), 30, "How It Works")
        # With no window manager, a click is what makes the main window active again, How It
        # Works having taken the focus; this point is bare form, right of the ball's box.
        click = (left + BARE_FORM[0], top + BARE_FORM[1])
        help_left, help_top, help_width, help_height = geometry(help_window)
        self.assertFalse(help_left <= click[0] < help_left + help_width
                         and help_top <= click[1] < help_top + help_height,
                         "How It Works covers the main window's bare form")
        x("xdotool", "mousemove", str(click[0]), str(click[1]), "click", "1")
        self.assertTrue(visible_window("How It Works"), "How It Works still shown")
        # Alt held down on its own, as a hand does: Wine takes a chord sent at once for F4 alone.
        # Closing the main window ends the program, How It Works still shown or not.
        x("xdotool", "keydown", "alt", "key", "F4", "keyup", "alt")
        self.assertEqual(process.wait(timeout=60), 0, process.stderr.read().decode())


if __name__ == "__main__":
    unittest.main(verbosity=2)
