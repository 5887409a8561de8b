"""The four timer effects in the real program, started by real clicks and read off the screen.

Places are client pixels of the main window (twips / 15).
"""

import unittest

from harness import ProgramTest, near, wait_for

BLUE = (0, 0, 255)
WHITE = (255, 255, 255)
CYAN = (0, 255, 255)

FLASHER_FACE = (13, 45)  # inside the button, left of its caption
FLASHER = (44, 44)
HORIZONTAL, VERTICAL = (285, 28), (285, 52)
BALL_BOX = (328, 16, 753, 201)  # Picture2: x0, y0, x1, y1
SCROLL_TEXT_1 = (60, 216)
STRIP = (0, 232, 760, 265)  # Picture1
FACE = (16, 72, 64, 120)  # imgFace at its start size
NEUTRAL = (700, 350)  # bare window surface, away from every effect


class TimerEffects(ProgramTest):
    def pixels(self, box):
        return self.program.pixels(box)

    def click(self, point):
        self.program.click(*point)
        self.program.move(*NEUTRAL)

    def ball_centre(self):
        points = [p for p, colour in self.pixels(BALL_BOX).items() if near(colour, CYAN)]
        if not points:
            return None
        return (sum(x for x, _ in points) / len(points), sum(y for _, y in points) / len(points))

    def leftmost_blue_text(self):
        xs = [x for (x, _), (r, g, b) in self.pixels(STRIP).items()
              if b > 150 and r < 120 and g < 120]
        return min(xs) if xs else None

    def test_flasher_alternates_blue_and_white(self):
        wait_for(lambda: near(self.program.pixel(*FLASHER_FACE), BLUE), 5, "a blue flasher")
        self.click(FLASHER)
        for colour, name in [(WHITE, "white"), (BLUE, "blue"), (WHITE, "white again")]:
            wait_for(lambda: near(self.program.pixel(*FLASHER_FACE), colour), 5,
                     f"a {name} flasher")

    def test_ball_moves_left_then_up(self):
        start_x, start_y = wait_for(self.ball_centre, 5, "the ball")
        self.click(HORIZONTAL)
        wait_for(lambda: self.ball_centre()[0] < start_x - 10, 5, "the ball moving left")
        self.assertAlmostEqual(self.ball_centre()[1], start_y, delta=1)

        self.click(VERTICAL)
        wait_for(lambda: self.ball_centre()[1] < start_y - 10, 5, "the ball moving up")
        x, y = self.ball_centre()
        wait_for(lambda: self.ball_centre()[1] < y - 5, 5, "the ball still moving up")
        self.assertAlmostEqual(self.ball_centre()[0], x, delta=1)

    def test_blue_text_slides_into_the_strip(self):
        self.assertIsNone(self.leftmost_blue_text())
        self.click(SCROLL_TEXT_1)
        first = wait_for(self.leftmost_blue_text, 5, "blue text at the strip's right end")
        self.assertGreater(first, 600)
        wait_for(lambda: self.leftmost_blue_text() < first - 30, 5, "the blue text sliding left")

    def test_face_changes_frame(self):
        still = self.pixels(FACE)
        self.click(((FACE[0] + FACE[2]) // 2, (FACE[1] + FACE[3]) // 2))

        def new_frame():
            now = self.pixels(FACE)
            return now if now != still else None

        first = wait_for(new_frame, 5, "a new frame")
        wait_for(lambda: self.pixels(FACE) != first, 5, "the frame after it")


if __name__ == "__main__":
    unittest.main()
