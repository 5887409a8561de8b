"""The real program starts with its main window in place and ends when the window is closed."""

import unittest

from harness import ProgramTest, near, wait_for

BLUE = (0, 0, 255)


class StartAndClose(ProgramTest):
    def test_main_window_comes_up_with_a_blue_flasher_and_closes_cleanly(self):
        _, _, width, height = self.origin
        self.assertEqual((width, height), (760, 363))
        # The flasher's face (120, 480 twips: pixels 8..81 x 32..57) is painted blue at start.
        wait_for(lambda: near(self.program.pixel(20, 36), BLUE), 5, "a blue flasher")
        self.program.close_window(self.program.window)
        self.assertEqual(self.program.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
