"""The menu, the link and the question mark, driven by real pointer moves, clicks and keys.

Points are client-area pixels of the main window (twips / 15).
"""

import unittest

from harness import ProgramTest, near, wait_for

WHITE, BLACK, BLUE, RED = (255, 255, 255), (0, 0, 0), (0, 0, 255), (255, 0, 0)

BAR_LEFT, BAR_TOP, BAR_PITCH = 480, 296, 32  # the menu's bars: 200 x 26, item 1 below item 0
FRAME_SURFACE = (476, 316)  # the frame's margin, left of the bars
LINK = (179, 283)
CLOSE_LABEL = (330, 347)
PANEL = (244, 276, 444, 356)  # inside the note panel's border
PICTURE = (16, 136)  # the question mark's top-left corner
BESIDE_PICTURE = (8, 160)  # the window's own surface


class MouseEffects(ProgramTest):
    def bar_centre(self, item):
        return BAR_LEFT + 100, BAR_TOP + BAR_PITCH * item + 13

    def bar_lit(self, item):
        """Lit bars are white along the top, plain ones black."""
        top = self.program.pixel(BAR_LEFT + 190, BAR_TOP + BAR_PITCH * item + 1)
        return "lit" if near(top, WHITE, 20) else "plain" if near(top, BLACK, 20) else None

    def wait_bars(self, first, second):
        wait_for(lambda: (self.bar_lit(0), self.bar_lit(1)) == (first, second), 5,
                 f"menu bars {first}, {second}")

    def window_gone(self, title):
        out = self.program.x("xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                             check=False)
        return not out.split()

    def test_bars_light_under_the_pointer_and_item_0_opens_the_code_viewer(self):
        self.wait_bars("plain", "plain")
        self.program.move(*self.bar_centre(0))
        self.wait_bars("lit", "plain")
        self.program.move(*self.bar_centre(1))
        self.wait_bars("plain", "lit")
        self.program.move(*FRAME_SURFACE)
        self.wait_bars("plain", "plain")

        self.program.move(*self.bar_centre(0))
        self.wait_bars("lit", "plain")
        self.program.click(*self.bar_centre(0))
        self.program.find_window("Project Code")
        self.assertIsNone(self.program.process.poll())

    def test_exit_item_asks_first_escape_keeps_the_program_and_return_ends_it(self):
        for answer in ["Escape", "Return"]:
            self.program.move(*self.bar_centre(1))
            self.wait_bars("plain", "lit")
            self.program.click(*self.bar_centre(1))
            self.program.find_window("Confirm exit")
            self.program.key(answer)
            if answer == "Escape":
                wait_for(lambda: self.window_gone("Confirm exit"), 5, "the question to close")
                self.assertIsNone(self.program.process.poll())
                self.program.main_window()
        self.assertEqual(self.program.wait_exit(), 0)

    def panel_white(self):
        left, top, right, bottom = PANEL
        screen = self.program.screen()
        wx, wy, _, _ = self.program.geometry(self.program.window)
        points = [(x, y) for x in range(left, right, 10) for y in range(top, bottom, 10)]
        white = sum(screen.pixel(wx + x, wy + y) == WHITE for x, y in points)
        return white / len(points)

    def test_link_opens_the_note_panel_and_click_to_close_hides_it(self):
        self.assertLess(self.panel_white(), 0.1)
        self.program.click(*LINK)
        wait_for(lambda: self.panel_white() > 0.7, 5, "the white note panel")
        self.program.click(*CLOSE_LABEL)
        wait_for(lambda: self.panel_white() < 0.1, 5, "the note panel to close")

    def picture_shows(self, colour):
        """Pixel 14,10 of the picture: blue question, black crest, red club crest."""
        x, y = PICTURE
        return near(self.program.pixel(x + 14, y + 10), colour, 20)

    def test_question_mark_reveals_the_crest_then_the_club_crest_and_comes_back(self):
        self.assertTrue(self.picture_shows(BLUE))
        x, y = PICTURE
        self.program.move(x + 28, y + 24)
        wait_for(lambda: self.picture_shows(BLACK), 5, "the crest")
        self.program.press(x + 28, y + 24, button=3)
        wait_for(lambda: self.picture_shows(RED), 5, "the club crest")
        self.program.release(button=3)
        self.program.move(*BESIDE_PICTURE)
        wait_for(lambda: self.picture_shows(BLUE), 5, "the question mark again")


if __name__ == "__main__":
    unittest.main()
