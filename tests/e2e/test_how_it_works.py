"""The "How It Works" window in the real program: F1 opens it beside the main window, its
Events table reads row by row on the accessibility bus, Pause and Step hold and step the
timers, and Escape hides it and gives back real time.

Points are client-area pixels of the main window (twips / 15).
"""

import re
import unittest

import atspi_session
from harness import wait_for

atspi_session.run_on_own_bus()

HORIZONTAL = (283, 28)
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
        for name in ["Pause", "Step", "Slow motion", "Follow", "Effect", "Code", "Watch"]:
            self.assertIsNotNone(self.named(how, name), name)
        import pyatspi
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
        for _ in range(2):
            atspi_session.press(step)
            held += 1
            wait_for(lambda: self.ball_runs(events) == held, 5, f"tick {held}, and no other")

        self.program.key("Escape")
        wait_for(lambda: not self.program.windows("How It Works"), 5, "the window to hide")
        before = self.program.pixels((330, 16, 750, 200))
        wait_for(lambda: self.program.pixels((330, 16, 750, 200)) != before, 5,
                 "the ball to move again")
        self.assertIsNone(self.program.process.poll())


if __name__ == "__main__":
    unittest.main()
