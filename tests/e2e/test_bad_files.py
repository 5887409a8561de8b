"""Bad code.txt and face files in the real program's directory, one case a test.

In every case the failure is reported (one box, a line on standard error every time), the
program does not crash, the other effects keep running, and closing the window ends it with
status 0. A file that is odd but readable (a PNG under the .bmp name, text that is not UTF-8)
loads without any report.

Places are client pixels of the main window (twips / 15).
"""

import os
import random
import shutil
import struct
import sys
import time
import unittest
import zlib
from dataclasses import dataclass
from typing import Callable

from harness import PROGRAM, Program, near, wait_for

BLUE, WHITE, MAGENTA = (0, 0, 255), (255, 255, 255), (255, 0, 255)
BUTTON_FACE = (239, 239, 239)
MAIN_SIZE = (760, 363)

FACE, FACE_BOX = (40, 96), (16, 72, 64, 120)  # imgFace, 48 x 48
FLASHER, FLASHER_FACE = (44, 44), (13, 45)
MENU_ITEM_0 = (580, 309)  # the first bar of the menu, inside fraMenu at (472, 272)

NOT_FOUND = (53, "File not found")
ACCESS = (75, "Path/File access error")
INVALID = (481, "Invalid picture")


# --- bad files ------------------------------------------------------------------------------
def bitmap(width=48, height=48, colour=MAGENTA) -> bytes:
    """An uncompressed 24-bit bitmap of one colour."""
    stride = (width * 3 + 3) // 4 * 4
    pixels = (bytes(reversed(colour)) * width + bytes(stride - width * 3)) * height
    file_header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                              2835, 2835, 0, 0)
    return file_header + info_header + pixels


def claiming(width: int, height: int) -> bytes:
    """A 48 x 48 bitmap whose header states another size."""
    good = bitmap()
    return good[:18] + struct.pack("<ii", width, height) + good[26:]


def png(width=48, height=48, colour=MAGENTA) -> bytes:
    rows = (b"\0" + bytes(colour) * width) * height

    def chunk(kind: bytes, data: bytes) -> bytes:
        checksum = struct.pack(">I", zlib.crc32(kind + data))
        return struct.pack(">I", len(data)) + kind + data + checksum

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


def garbage(size: int) -> bytes:
    return random.Random(size).randbytes(size)


def missing(path: str):
    pass


def directory(path: str):
    os.mkdir(path)


def unreadable(path: str):
    # Reading the first byte of a process's own memory fails (page 0 is never mapped), also for
    # root, whom file permissions do not stop.
    os.symlink("/proc/self/mem", path)


def holding(data: bytes) -> Callable[[str], None]:
    def write(path: str):
        with open(path, "wb") as file:
            file.write(data)
    return write


FIRST_LINE, LAST_LINE = b'Attribute VB_Name = "frmAnimate"', b"End Sub ' the last line"


def fifty_megabytes(path: str):
    line = b"    lblScrollText(0).Left = lblScrollText(0).Left - 100 ' one step left\r\n"
    with open(path, "wb") as file:
        file.write(FIRST_LINE + b"\r\n")
        file.write(line * (50 * 1024 * 1024 // len(line)))
        file.write(LAST_LINE)


@dataclass(frozen=True)
class Case:
    name: str
    file: str
    make: Callable[[str], None]
    error: tuple | None = None  # (number, description), or None when the file loads
    first_line: str | None = None  # what the code viewer's first and last lines hold
    last_line: str | None = None
    start_up_within: float | None = None  # seconds from process start to the main window


CODE, FACE_0 = "code.txt", "face 0.bmp"
CASES = [
    Case("missing", CODE, missing, NOT_FOUND),
    Case("directory", CODE, directory, ACCESS),
    Case("unreadable", CODE, unreadable, ACCESS),
    Case("zero_bytes", CODE, holding(b"")),
    Case("blank", CODE, holding(b"\r\n")),
    Case("garbage", CODE, holding(garbage(4096))),
    Case("invalid_utf8", CODE, holding(b"caf\xe9 \xff\xfe\xc3 still here\r\nend"),
         first_line=" still here", last_line="end"),
    Case("nul_bytes", CODE, holding(b"before\0\0after\r\n\0end"),
         first_line="\0\0after", last_line="end"),
    Case("fifty_megabytes", CODE, fifty_megabytes,
         first_line=FIRST_LINE.decode(), last_line=LAST_LINE.decode(), start_up_within=3.0),
    Case("missing", FACE_0, missing, NOT_FOUND),
    Case("directory", FACE_0, directory, ACCESS),
    Case("unreadable", FACE_0, unreadable, ACCESS),
    Case("zero_bytes", FACE_0, holding(b""), INVALID),
    Case("empty_bitmap", FACE_0, holding(bitmap(0, 0)), INVALID),
    Case("truncated", FACE_0, holding(bitmap()[: 54 + 48 * 48 * 3 // 2]), INVALID),
    Case("garbage", FACE_0, holding(garbage(7000)), INVALID),
    Case("claims_30000_square", FACE_0, holding(claiming(30000, 30000)), INVALID),
    Case("png", FACE_0, holding(png())),
]


# --- the checks -----------------------------------------------------------------------------
class BadFiles(unittest.TestCase):
    def start(self, case: Case) -> Program:
        program_dir = Program.copy_program_dir(skip=[case.file])
        self.addCleanup(shutil.rmtree, program_dir, True)
        case.make(os.path.join(program_dir, case.file))
        self.program = Program(program_dir=program_dir)
        self.addCleanup(self.program.stop)
        return self.program

    def boxes(self):
        """Windows titled like the main window but of another size: error boxes."""
        return [w for w in self.program.windows("Kinemora")
                if self.program.geometry(w)[2:] != MAIN_SIZE]

    def reports(self, case: Case, handler: str) -> int:
        number, description = case.error
        start = f"kinemora: run-time error {number} ({description}) in {handler}: "
        return sum(line.startswith(start) and line.endswith(case.file)
                   for line in self.program.errors().splitlines())

    def check_reported_once(self, case: Case, handler: str):
        box = wait_for(self.boxes, 10, "the error box")[0]
        number, description = case.error
        self.assertEqual(self.program.box_text(box), f"Run-time error '{number}':\n\n{description}")
        self.assertEqual(self.reports(case, handler), 1, self.program.errors())
        self.program.key("Return")
        wait_for(lambda: not self.boxes(), 5, "the error box to close")

    def check_no_report(self):
        self.assertNotIn("run-time error", self.program.errors())
        self.assertEqual(self.boxes(), [])

    def check_flasher_runs(self):
        self.program.click(*FLASHER)
        for colour, name in [(WHITE, "white"), (BLUE, "blue")]:
            wait_for(lambda: near(self.program.colour_now(*FLASHER_FACE), colour), 5,
                     f"a {name} flasher")

    def check_viewer_shows(self, case: Case):
        self.program.move(*MENU_ITEM_0)
        self.program.click(*MENU_ITEM_0)
        self.program.find_window("Project Code", 30)
        if case.first_line is None:
            return
        for keys, expected in [(("ctrl+Home", "shift+End"), case.first_line),
                               (("ctrl+End", "shift+Home"), case.last_line)]:
            for key in keys + ("ctrl+c",):
                self.program.key(key)
            wait_for(lambda: self.program.clipboard().endswith(expected), 10,
                     f"the viewer's line ending {expected!r}")

    def check_code_file(self, case: Case):
        program = self.start(case)
        if case.error:
            self.check_reported_once(case, "frmAnimate.Form_Load")
        program.main_window()
        self.check_start_up_time(case)
        if case.error:
            # Form_Load stopped at the file: the flasher keeps its design colour.
            wait_for(lambda: near(program.colour_now(*FLASHER_FACE), BUTTON_FACE, 8), 5,
                     "a grey flasher")
        else:
            wait_for(lambda: near(program.colour_now(*FLASHER_FACE), BLUE), 5, "a blue flasher")
        self.check_flasher_runs()
        if case.error:
            self.assertEqual(self.reports(case, "frmAnimate.Form_Load"), 1)
            self.assertEqual(self.boxes(), [])
        else:
            self.check_no_report()
            self.check_viewer_shows(case)  # last: the viewer covers the main window

    def check_start_up_time(self, case: Case):
        # Reported, not asserted: tests never judge speed (the goal is the case's figure).
        if case.start_up_within is None:
            return
        seconds = time.monotonic() - self.program.started
        print(f"\n{case.name} code.txt: main window up {seconds:.2f} s after start "
              f"(goal {case.start_up_within:.0f} s)", file=sys.stderr)

    def face(self):
        x0, y0, x1, y1 = FACE_BOX
        left, top, _, _ = self.program.geometry(self.program.window)
        screen = self.program.screen()
        return [screen.pixel(left + x, top + y) for y in range(y0, y1) for x in range(x0, x1)]

    def check_face_file(self, case: Case):
        program = self.start(case)
        program.main_window()
        wait_for(lambda: near(program.colour_now(*FLASHER_FACE), BLUE), 5, "a painted window")
        still = self.face()
        program.click(*FACE)
        if not case.error:
            wait_for(lambda: program.colour_now(*FACE) == MAGENTA, 10, "the frame from the file")
            self.check_flasher_runs()
            self.check_no_report()
            return
        self.check_reported_once(case, "frmAnimate.Timer2_Timer")
        # Frames 1 to 7 loaded before frame 0 failed; the face keeps the last of them.
        self.assertNotEqual(self.face(), still)
        self.check_flasher_runs()
        # The face keeps trying, once a cycle: reported on standard error, never boxed again.
        wait_for(lambda: self.reports(case, "frmAnimate.Timer2_Timer") >= 3, 10,
                 "the failure reported on every cycle")
        self.assertEqual(self.boxes(), [])

    def run_case(self, case: Case):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        if case.file == CODE:
            self.check_code_file(case)
        else:
            self.check_face_file(case)
        self.assertIsNone(self.program.process.poll(), "the program ended by itself")
        self.program.close_window(self.program.window)
        self.assertEqual(self.program.wait_exit(), 0)


def case_test(case: Case):
    return lambda self: self.run_case(case)


for bad in CASES:
    kind = "code_txt" if bad.file == CODE else "face_0"
    setattr(BadFiles, f"test_{kind}_{bad.name}", case_test(bad))


if __name__ == "__main__":
    unittest.main()
