"""What Orca, Debian's screen reader, says as a keyboard user meets Flasher and the face: the
name, that it is a check box, whether it is on, and the new state at each press.

Orca runs on the test's own bus with no speech server and no braille; what it would say is read
from its speech log, which a customisation in its preferences folder writes to a file.
"""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

import atspi_session
from harness import wait_for

atspi_session.run_on_own_bus()

# Orca loads this from its preferences folder at start.
WRITE_SPEECH_TO = """\
import logging
_file = logging.FileHandler({path!r})
_file.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_file)
"""

# One utterance; a key's echo ends in its voice settings.
UTTERANCE = re.compile(r"^SPEECH OUTPUT: '(.*)'( \{.*\})?$")


def missing() -> str:
    if atspi_session.missing_tools():
        return atspi_session.missing_tools()
    return "" if shutil.which("orca") else "Orca is not installed (orca)"


@unittest.skipIf(missing(), missing())
class Orca(atspi_session.ProgramOnTheBus):
    def setUp(self):
        super().setUp()
        home = tempfile.mkdtemp(prefix="kinemora-orca-")
        self.addCleanup(shutil.rmtree, home, True)
        prefs = os.path.join(home, "orca")
        os.makedirs(prefs)
        self.log = os.path.join(home, "speech.log")
        with open(os.path.join(prefs, "orca-customizations.py"), "w", encoding="utf-8") as file:
            file.write(WRITE_SPEECH_TO.format(path=self.log))
        env = dict(self.program.env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"), GSETTINGS_BACKEND="memory")
        self.orca = subprocess.Popen(
            ["orca", "--user-prefs", prefs, "--disable", "braille,braille-monitor"], env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.stop_orca)
        self.heard = 0
        # Orca names the active window once it listens to the program.
        self.hear("Kinemora frame.", timeout=60)

    def stop_orca(self):
        self.orca.terminate()
        try:
            self.orca.wait(10)
        except subprocess.TimeoutExpired:
            self.orca.kill()
            self.orca.wait()

    def said(self) -> list[str]:
        try:
            with open(self.log, encoding="utf-8", errors="replace") as file:
                lines = file.read().splitlines()
        except FileNotFoundError:
            return []
        return [match.group(1) for match in map(UTTERANCE.match, lines) if match]

    def hear(self, utterance: str, timeout: float = 10):
        """Waits for Orca to say exactly this after what it was last heard saying."""
        def found():
            said = self.said()
            if utterance in said[self.heard:]:
                return said.index(utterance, self.heard) + 1
            return None
        try:
            self.heard = wait_for(found, timeout, f"Orca to say {utterance!r}")
        except AssertionError as error:
            raise AssertionError(f"{error}; it said {self.said()[self.heard:]!r}") from None

    def test_the_switches_say_check_box_and_whether_they_are_on_and_each_new_state(self):
        self.program.key("shift+Tab")
        self.hear("Exit Application.")
        self.program.key("Tab")
        self.hear("Flasher check box not checked.")
        self.program.key("space")
        self.hear("checked")
        self.program.key("space")
        self.hear("not checked")

        for _ in range(5):  # back past the menu, the link and the question mark
            self.program.key("shift+Tab")
        self.hear("Face animation check box not checked.")
        self.program.key("space")
        self.hear("checked")
        self.program.key("space")
        self.hear("not checked")


if __name__ == "__main__":
    unittest.main()
