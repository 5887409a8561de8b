"""The program writes nothing: a whole session with every effect leaves its directory exactly as
it was and creates no file in a fresh home, its XDG directories or its temporary directory.

Places are client pixels of the main window (twips / 15).
"""

import hashlib
import os
import shutil
import tempfile
import unittest

from harness import PROGRAM, Program, near, wait_for

WHITE, BLACK, BLUE, RED, CYAN = (255, 255, 255), (0, 0, 0), (0, 0, 255), (255, 0, 0), (0, 255, 255)
GREEN = (0, 192, 0)

FLASHER, FLASHER_FACE = (44, 44), (13, 45)
FACE = (16, 72, 64, 120)
HORIZONTAL, VERTICAL, STOP = (285, 28), (285, 52), (285, 76)
SPEED_BAR, SPEED_RIGHT_ARROW = (248, 112, 321, 129), (314, 120)
BALL_BOX = (328, 16, 753, 201)
SCROLL = [(60, 216), (180, 216), (300, 216)]
SCROLL_1_CAPTION = (20, 211, 100, 222)
STRIP = (0, 232, 760, 265)
BAR_0, BAR_1 = (580, 309), (580, 341)
BAR_TOP_EDGE = [(670, 297), (670, 329)]  # white along the top of a lit bar, black when plain
VIEWER_CLOSE = (532, 12)  # the code viewer's Close, in its own client area
LINK, CLOSE_LABEL, PANEL = (179, 283), (330, 347), (244, 276, 444, 356)
QUESTION, BESIDE_QUESTION = (44, 160), (8, 160)
QUESTION_SAMPLE = (30, 146)
NEUTRAL = (700, 350)

PLACES = ["HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR",
          "TMPDIR"]


def snapshot(directory: str) -> dict:
    """Every entry under a directory: kind, size, modification time and content hash."""
    entries = {}
    for root, dirs, files in os.walk(directory):
        for name in dirs + files:
            path = os.path.join(root, name)
            status = os.lstat(path)
            digest = None
            if os.path.isfile(path) and not os.path.islink(path):
                with open(path, "rb") as file:
                    digest = hashlib.sha256(file.read()).hexdigest()
            entries[os.path.relpath(path, directory)] = (
                oct(status.st_mode), status.st_size, status.st_mtime_ns, digest)
    return entries


class NothingWritten(unittest.TestCase):
    def setUp(self):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        self.places = {name: tempfile.mkdtemp(prefix=f"kinemora-{name.lower()}-")
                       for name in PLACES}
        program_dir = Program.copy_program_dir()
        for directory in [program_dir, *self.places.values()]:
            self.addCleanup(shutil.rmtree, directory, True)
        self.before = snapshot(program_dir)
        self.program = Program(program_dir=program_dir, env=self.places)
        self.addCleanup(self.program.stop)
        self.program.main_window()

    # --- reading the screen -------------------------------------------------------------------
    def pixels(self, box):
        return self.program.pixels(box)

    def colour_is(self, point, colour, what, tolerance=40):
        wait_for(lambda: near(self.program.colour_now(*point), colour, tolerance), 5, what)

    def ball_centre(self):
        points = [p for p, colour in self.pixels(BALL_BOX).items() if near(colour, CYAN)]
        if not points:
            return None
        return (sum(x for x, _ in points) / len(points), sum(y for _, y in points) / len(points))

    def strip_shows(self, colour) -> bool:
        return any(near(c, colour, 60) for c in self.pixels(STRIP).values())

    def scroll_buttons_enabled(self) -> bool:
        """An enabled button's caption is dark; a disabled one's is light grey."""
        return any(sum(c) < 200 for c in self.pixels(SCROLL_1_CAPTION).values())

    def click(self, point):
        self.program.click(*point)
        self.program.move(*NEUTRAL)

    # --- the effects --------------------------------------------------------------------------
    def play_flasher_and_face(self):
        self.click(FLASHER)
        self.colour_is(FLASHER_FACE, WHITE, "a white flasher")
        self.colour_is(FLASHER_FACE, BLUE, "a blue flasher")
        still = self.pixels(FACE)
        self.click(((FACE[0] + FACE[2]) // 2, (FACE[1] + FACE[3]) // 2))
        wait_for(lambda: self.pixels(FACE) != still, 5, "the face's next frame")

    def play_ball(self):
        x, y = wait_for(self.ball_centre, 5, "the ball")
        self.click(HORIZONTAL)
        wait_for(lambda: abs(self.ball_centre()[0] - x) > 10, 5, "the ball moving across")
        self.click(VERTICAL)
        wait_for(lambda: abs(self.ball_centre()[1] - y) > 10, 5, "the ball moving up or down")
        self.click(STOP)
        stopped = wait_for(self.ball_at_rest, 5, "the ball to stop")
        bar = self.pixels(SPEED_BAR)
        self.click(SPEED_RIGHT_ARROW)
        wait_for(lambda: self.pixels(SPEED_BAR) != bar, 5, "the speed bar to move")
        self.assertEqual(self.ball_centre(), stopped)
        self.click(HORIZONTAL)
        wait_for(lambda: self.ball_centre() != stopped, 5, "the ball moving at the new speed")
        self.click(STOP)

    def ball_at_rest(self):
        first = self.ball_centre()
        return first if self.ball_centre() == first else None

    def play_menu_bars_and_viewer(self):
        for point, lit in [(BAR_0, 0), (BAR_1, 1)]:
            self.program.move(*point)
            self.colour_is(BAR_TOP_EDGE[lit], WHITE, f"bar {lit} lit", 20)
        self.program.move(*BAR_0)
        self.colour_is(BAR_TOP_EDGE[0], WHITE, "bar 0 lit", 20)
        self.program.click(*BAR_0)
        viewer = self.program.find_window("Project Code")
        left, top, _, _ = self.program.geometry(viewer)
        self.program.x("xdotool", "mousemove", str(left + VIEWER_CLOSE[0]),
                       str(top + VIEWER_CLOSE[1]), "click", "1")
        wait_for(lambda: not self.program.windows("Project Code"), 5, "the viewer to hide")

    def panel_white(self) -> float:
        x0, y0, x1, y1 = PANEL
        pixels = self.pixels(PANEL)
        samples = [pixels[(x, y)] for x in range(x0, x1, 10) for y in range(y0, y1, 10)]
        return sum(c == WHITE for c in samples) / len(samples)

    def play_link_and_question_mark(self):
        self.click(LINK)
        wait_for(lambda: self.panel_white() > 0.7, 5, "the note panel")
        self.click(CLOSE_LABEL)
        wait_for(lambda: self.panel_white() < 0.1, 5, "the note panel to close")
        self.program.move(*QUESTION)
        self.colour_is(QUESTION_SAMPLE, BLACK, "the crest", 20)
        self.program.press(*QUESTION, button=3)
        self.colour_is(QUESTION_SAMPLE, RED, "the club crest", 20)
        self.program.release(button=3)
        self.program.move(*BESIDE_QUESTION)
        self.colour_is(QUESTION_SAMPLE, BLUE, "the question mark again", 20)

    def play_scrolling_text(self, while_running):
        """The three runs, one after another, each with other effects played meanwhile."""
        runs = [(SCROLL[0], BLUE, 1), (SCROLL[1], RED, 1), (SCROLL[2], GREEN, 2)]
        for (button, colour, clicks), meanwhile in zip(runs, while_running):
            for _ in range(clicks):
                self.click(button)
            wait_for(lambda: self.strip_shows(colour), 5, "scrolling text in the strip")
            meanwhile()
            wait_for(self.scroll_buttons_enabled, 30, "the run to end")

    def exit_through_the_menu(self):
        self.program.move(*BAR_1)
        self.colour_is(BAR_TOP_EDGE[1], WHITE, "bar 1 lit", 20)
        self.program.click(*BAR_1)
        self.program.find_window("Confirm exit")
        self.program.key("Return")
        self.assertEqual(self.program.wait_exit(), 0)

    # --- the test -----------------------------------------------------------------------------
    def test_a_whole_session_writes_nothing(self):
        self.play_scrolling_text([self.play_flasher_and_face, self.play_ball,
                                  self.play_menu_bars_and_viewer])
        self.play_link_and_question_mark()
        self.exit_through_the_menu()

        self.assertEqual(snapshot(self.program.dir), self.before)
        for name, directory in self.places.items():
            self.assertEqual(snapshot(directory), {}, f"files the program made in {name}")
        self.assertNotIn("run-time error", self.program.errors())


if __name__ == "__main__":
    unittest.main()
