"""The real program starts with its main window in place and ends when the window is closed."""

import unittest

from harness import ProgramTest, near, wait_for

BLUE = (0, 0, 255)
MOTIF_RESIZE, MOTIF_MAXIMISE, MOTIF_RESIZE_HANDLES = 1 << 1, 1 << 4, 1 << 2


class StartAndClose(ProgramTest):
    def test_main_window_comes_up_with_a_blue_flasher_and_closes_cleanly(self):
        _, _, width, height = self.origin
        self.assertEqual((width, height), (760, 363))
        # The flasher's face (120, 480 twips: pixels 8..81 x 32..57) is painted blue at start.
        wait_for(lambda: near(self.program.pixel(20, 36), BLUE), 5, "a blue flasher")
        # A fixed-size window offers the window manager neither resizing nor maximising.
        flags, functions, decorations = self.motif_hints(self.program.window)[:3]
        self.assertEqual(flags & 3, 3)
        self.assertEqual(functions & (MOTIF_RESIZE | MOTIF_MAXIMISE), 0)
        self.assertEqual(decorations & MOTIF_RESIZE_HANDLES, 0)
        self.program.close_window(self.program.window)
        self.assertEqual(self.program.wait_exit(), 0)

    def motif_hints(self, window: int):
        from Xlib import display as xdisplay
        connection = xdisplay.Display(self.program.env["DISPLAY"])
        try:
            atom = connection.intern_atom("_MOTIF_WM_HINTS")
            hints = connection.create_resource_object("window", window).get_full_property(atom, atom)
            return list(hints.value) if hints else [0, 0, 0]
        finally:
            connection.close()

    def test_pictures_show_at_start(self):
        left, top, _, _ = self.origin
        wait_for(lambda: near(self.program.pixel(20, 36), BLUE), 5, "the window painted")
        screen = self.program.screen()

        def at(x, y):
            return screen.pixel(left + x, top + y)

        ball = [at(536 + x, 96 + y) for x in range(23) for y in range(23)]
        self.assertGreater(sum(near(p, (0, 255, 255), 10) for p in ball), 150, "the cyan ball")
        self.assertTrue(near(at(17, 73), (191, 0, 0), 10), "the face's dark red ground")
        self.assertTrue(near(at(18, 138), BLUE, 10), "the question mark's blue ground")
        for bar_top in (296, 328):  # the two plain menu bars: black at the top, orange below
            self.assertTrue(near(at(580, bar_top + 1), (0, 0, 0), 10), "a plain bar's top")
            self.assertTrue(near(at(580, bar_top + 25), (243, 133, 78), 10), "a plain bar's foot")


if __name__ == "__main__":
    unittest.main()
