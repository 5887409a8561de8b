"""What the program is started with, one case a test: a standard error whose reader has gone,
closed standard descriptors, a directory whose name is not UTF-8, an 8-bit display, a tight
memory limit; and --help and --version, which need no display.

A case the program cannot work in ends it at once with one line on standard error and exit
status 1; every other case starts the program as usual.

Places are client pixels of the main window (twips / 15).
"""

import os
import shutil
import subprocess
import unittest

from harness import PROGRAM, Program, near, wait_for
from test_bad_files import bitmap

BUILD_DIR = os.environ.get("KINEMORA_BUILD_DIR", "")
MAIN_SIZE = (760, 363)
BLUE, MAGENTA = (0, 0, 255), (255, 0, 255)
FLASHER_FACE = (20, 36)  # painted blue by Form_Load once code.txt is read
FACE = (40, 96)


class HostileEnvironments(unittest.TestCase):
    def setUp(self):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")

    def start(self, program_dir: str | None = None, **options) -> Program:
        program_dir = program_dir or Program.copy_program_dir()
        self.addCleanup(shutil.rmtree, program_dir, True)
        program = Program(program_dir=program_dir, **options)
        self.addCleanup(program.stop)
        return program

    def check_refused(self, program: Program, reason: str):
        self.assertEqual(program.wait_exit(timeout=20), 1)
        lines = program.errors().splitlines()
        self.assertEqual(len(lines), 1, program.errors())
        self.assertIn(reason, lines[0])

    def check_runs(self, program: Program):
        program.main_window()
        wait_for(lambda: near(program.pixel(*FLASHER_FACE), BLUE), 10, "a blue flasher")

    def test_standard_error_whose_reader_has_gone(self):
        # Without code.txt the start-up form reports an error: a line, then a box.
        program_dir = Program.copy_program_dir(skip=["code.txt"])
        reader, writer = os.pipe()
        os.close(reader)
        program = self.start(program_dir, stderr=writer)
        os.close(writer)

        def boxes():
            return [w for w in program.windows("Kinemora") if program.geometry(w)[2:] != MAIN_SIZE]

        wait_for(boxes, 10, "the error box")
        self.assertIsNone(program.process.poll(), "the write to the closed pipe ended it")
        program.key("Return")
        wait_for(lambda: not boxes(), 5, "the error box to close")
        program.close_window(program.find_window("Kinemora"))
        self.assertEqual(program.wait_exit(), 0)

    def test_closed_standard_descriptors(self):
        program = self.start(wrapper=["sh", "-c", 'exec "$0" <&- >&- 2>&-'])
        self.check_runs(program)
        for fd in range(3):
            self.assertEqual(os.readlink(f"/proc/{program.process.pid}/fd/{fd}"), "/dev/null")
        program.close_window(program.window)
        self.assertEqual(program.wait_exit(), 0)

    def test_program_directory_named_in_bytes_that_are_not_utf8(self):
        top = Program.copy_program_dir()
        inner = os.path.join(top, os.fsdecode(b"\xff\xfe dir"))
        os.mkdir(inner)
        for name in os.listdir(top):
            if name != os.path.basename(inner):
                os.rename(os.path.join(top, name), os.path.join(inner, name))
        with open(os.path.join(inner, "face 0.bmp"), "wb") as frame:
            frame.write(bitmap(colour=MAGENTA))
        self.addCleanup(shutil.rmtree, top, True)
        program = self.start(inner)
        self.check_runs(program)  # code.txt read
        program.click(*FACE)
        wait_for(lambda: program.colour_now(*FACE) == MAGENTA, 10, "the frame from the file")
        self.assertNotIn("run-time error", program.errors())

    def test_display_of_8_bits_is_refused_and_one_of_15_is_not(self):
        program = self.start(screen="1024x768x8")
        self.check_refused(program, "needs a true-colour display of 15 bits or more")
        program = self.start(screen="1024x768x15")
        self.check_runs(program)
        self.assertEqual(program.errors(), "")

    def test_memory_limit_too_tight_to_start_in_and_one_that_is_not(self):
        program = self.start(wrapper=["prlimit", "--as=100000000", "--"])
        self.check_refused(program, "not enough memory")
        program = self.start(wrapper=["prlimit", "--as=150000000", "--"])
        self.check_runs(program)

    def test_help_and_version_need_no_display(self):
        with open(os.path.join(BUILD_DIR, "CMakeCache.txt"), encoding="utf-8") as cache:
            version = next(line.split("=", 1)[1].strip() for line in cache
                           if line.startswith("CMAKE_PROJECT_VERSION:"))
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY")}

        def run(argument):
            result = subprocess.run([PROGRAM, argument], env=env, capture_output=True,
                                    text=True, timeout=10)
            self.assertEqual((result.returncode, result.stderr), (0, ""), argument)
            return result.stdout

        self.assertEqual(run("--version"), f"kinemora {version}\n")
        usage = run("--help")
        self.assertTrue(usage.startswith("Usage: kinemora"), usage)
        for key in ["Tab", "Space", "Return", "Escape", "Shift+F10", "F1", "Ctrl+Left", "F2"]:
            self.assertIn(key, usage)


if __name__ == "__main__":
    unittest.main()
