"""The "How It Works" window in the real program: F1 opens it beside the main window (under a
window manager, its frame off the main window's frame and, on a 1920x1080 screen, its Code
pane showing the longest handler whole), its Events table reads row by row on the
accessibility bus, Pause and Step hold and step the timers, Step back steps back over them,
and Escape hides it and gives back real time.

Points are client-area pixels of the main window (twips / 15).
"""

import re
import shutil
import unittest

import atspi_session
from harness import PROGRAM, Program, wait_for

atspi_session.run_on_own_bus()

HORIZONTAL = (283, 28)
SCROLLING_TEXT_1 = (60, 216)  # starts Timer3_Timer, the handler of the most lines
BALL_ROW = re.compile(r"^frmAnimate\.Timer4_Timer(?: \u00d7(\d+))?$")


@unittest.skipIf(atspi_session.missing_tools(), atspi_session.missing_tools())
class HowItWorks(atspi_session.ProgramOnTheBus):
    def named(self, root, name):
        return next((n for n in atspi_session.walk(root) if n.name == name), None)

    def ball_runs(self, events):
        """The count of the ball's timer row, as the Events table reads it (0: no row yet)."""
        table = events.queryTable()
        for row in range(table.nRows):
            match = BALL_ROW.match(table.getAccessibleAt(row, 2).name or "")
            if match:
                return int(match.group(1) or 1)
        return 0

    def test_f1_opens_it_beside_the_window_and_it_holds_steps_and_lets_go_of_time(self):
        self.program.click(*HORIZONTAL)
        self.program.key("F1")
        window = self.program.find_window("How It Works")
        x, y, width, height = self.program.geometry(window)
        mx, my, mw, mh = self.origin
        self.assertTrue(x >= mx + mw or y >= my + mh, "over the main window")
        self.assertEqual(self.program.geometry(self.program.window), self.origin)

        how = wait_for(lambda: self.frame("How It Works"), 10, "the window on the bus")
        for name in ["Pause", "Step back", "Step", "Timeline", "Slow motion", "Follow", "Effect",
                     "Code", "Watch"]:
            self.assertIsNotNone(self.named(how, name), name)
        import pyatspi
        self.assertEqual(how.getRole(), pyatspi.ROLE_FRAME)
        choices = {n.name for n in atspi_session.walk(how)
                   if n.getRole() == pyatspi.ROLE_COMBO_BOX}
        self.assertEqual(choices, {"Slow motion", "Effect"}, "the choices by their names")
        nameless = [n.getRoleName() for n in atspi_session.walk(how)
                    if not n.name and n.getRole() != pyatspi.ROLE_TABLE_CELL]
        self.assertEqual(nameless, [], "nameless objects on the bus")
        events = self.named(how, "Events")
        wait_for(lambda: self.ball_runs(events) > 1, 10, "the ball's ticks counted in one row")

        pause = self.named(how, "Pause")
        self.assertIn("Toggle", atspi_session.action_names(pause))
        pause.queryAction().doAction(atspi_session.action_names(pause).index("Toggle"))
        step = self.named(how, "Step")
        wait_for(lambda: atspi_session.has_state(step, pyatspi.STATE_SENSITIVE), 5, "Step")
        held = self.ball_runs(events)
        ball = (330, 16, 750, 200)
        for tick in range(3):
            atspi_session.press(step)
            held += 1
            wait_for(lambda: self.ball_runs(events) == held, 5, f"tick {held}, and no other")
            if tick == 0:
                after_first = self.program.pixels(ball)

        # Two steps back: the ball stands where the first step left it, its row counts back.
        back = self.named(how, "Step back")
        for _ in range(2):
            atspi_session.press(back)
            held -= 1
            wait_for(lambda: self.ball_runs(events) == held, 5, f"back to tick {held}")
        wait_for(lambda: self.program.pixels(ball) == after_first, 5,
                 "the ball where the first step left it")

        self.program.key("Escape")
        wait_for(lambda: not self.program.windows("How It Works"), 5, "the window to hide")
        before = self.program.pixels((330, 16, 750, 200))
        wait_for(lambda: self.program.pixels((330, 16, 750, 200)) != before, 5,
                 "the ball to move again")
        self.assertIsNone(self.program.process.poll())

    def test_a_change_clicked_in_its_row_lights_its_line(self):
        import pyatspi
        self.program.key("F1")
        how = wait_for(lambda: self.frame("How It Works"), 10, "the window on the bus")
        self.program.click(*HORIZONTAL)
        pause = self.named(how, "Pause")
        pause.queryAction().doAction(atspi_session.action_names(pause).index("Toggle"))
        table = self.named(how, "Events").queryTable()

        def click_row():
            for row in range(table.nRows):
                if table.getAccessibleAt(row, 2).name == "frmAnimate.cmdDirection_Click(0)":
                    return table.getAccessibleAt(row, 3)
            return None
        changes = wait_for(click_row, 10, "the click's row")
        first_line = int(re.search(r"\(line (\d+)\)", changes.name).group(1))
        x, y, _, height = changes.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.program.x("xdotool", "mousemove", str(x + 8), str(y + height // 2), "click", "1")
        code = self.named(how, "Code").queryText()

        def caret_line():
            return code.getText(0, code.caretOffset).count("\n") + 1
        wait_for(lambda: caret_line() == first_line, 5, f"line {first_line} lit")
        self.assertEqual(self.named(how, "Events").description, changes.name.split("; ")[0])


def on_screen(frame, width=1920, height=1080):
    x, y, w, h = frame
    return x >= 0 and y >= 0 and x + w <= width and y + h <= height


def overlap(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


@unittest.skipIf(not shutil.which("openbox"), "openbox is not installed")
@unittest.skipIf(atspi_session.missing_tools(), atspi_session.missing_tools())
class UnderAWindowManager(unittest.TestCase):
    def setUp(self):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        self.program = Program(screen="1920x1080x24", env=atspi_session.program_environment(),
                               window_manager=("openbox", "--sm-disable"))
        self.addCleanup(shutil.rmtree, self.program.dir, True)
        self.addCleanup(self.program.stop)
        self.program.main_window()
        self.app = wait_for(lambda: atspi_session.application("Kinemora"), 20,
                            "Kinemora on the accessibility bus")

    def test_its_frame_keeps_off_the_main_windows_and_its_code_shows_the_longest_handler(self):
        main = wait_for(lambda: self.program.frame(self.program.window), 10, "the main frame")
        self.program.click(*SCROLLING_TEXT_1)
        self.program.key("F1")
        how = self.program.find_window("How It Works")

        frames = []

        def placed():  # once framed: the first placing cannot count a frame not yet known
            frames.append(self.program.frame(how))
            return frames[-1] and not overlap(frames[-1], main) and on_screen(frames[-1])
        try:
            wait_for(placed, 10, "How It Works framed off the main window, on the screen")
        except AssertionError as failure:
            raise AssertionError(f"{failure}: main {main}, How It Works {frames[-1]}")
        self.assertEqual(self.program.frame(self.program.window), main)

        import pyatspi
        window = wait_for(lambda: atspi_session.frame(self.app, "How It Works"), 10, "its frame")
        parts = list(atspi_session.walk(window))
        code = next(n for n in parts if n.name == "Code" and n.getRole() == pyatspi.ROLE_TEXT)
        bars = {n.name: n for n in atspi_session.walk(code)
                if n.getRole() == pyatspi.ROLE_SCROLL_BAR}
        watch = next(n for n in parts if n.name == "Watch")
        self.assertFalse(atspi_session.has_state(bars["Horizontal scroll bar"],
                                                 pyatspi.STATE_SHOWING), "the code scrolls sideways")

        # Following Timer3_Timer, the code shows it from the top, its lines marked across the
        # pane: whole, the pane's foot is past its last line, as unmarked as the Watch's foot.
        def box(node):
            extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return extents.x, extents.y, extents.width, extents.height

        def handler_whole():
            _, top, _, height = box(code)
            right = box(bars["Vertical scroll bar"])[0] - 6  # in the marks, past any text
            wx, wy, _, wh = box(watch)
            screen = self.program.screen()
            unmarked = screen.pixel(wx + 4, wy + wh - 4)
            return (screen.pixel(right, top + 4) != unmarked
                    and screen.pixel(right, top + height - 4) == unmarked)
        wait_for(handler_whole, 10, "Timer3_Timer whole in the Code pane")


if __name__ == "__main__":
    unittest.main()
