"""Bad code.txt and face files in the real program's directory, one case a test.

In every case the failure is reported (one box naming the file and why, a line on standard
error every time), the program does not crash, the other effects keep running, it stays under
400 MB of memory, and closing the window ends it with status 0. A file that is odd but readable
(a PNG under the .bmp name, text that is not UTF-8 or is UTF-16, a special file that reads as
text, one very long line) loads without any report, as does a program directory whose path is
deeper than the system's limit or whose name holds a backslash.

Places are client pixels of the main window (twips / 15).
"""

import codecs
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

PEAK_MEMORY_LIMIT_MB = 400

NOT_FOUND = (53, "File not found", None)
INVALID = (481, "Invalid picture", None)


def access(reason: str) -> tuple:
    return (75, "Path/File access error", reason)


NOT_REGULAR = "not a regular file ({})".format


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


def fifo(path: str):
    os.mkfifo(path)


def link_to(target: str) -> Callable[[str], None]:
    return lambda path: os.symlink(target, path)


def link_loop(path: str):
    os.symlink(os.path.basename(path), path)


def sparse(size: int) -> Callable[[str], None]:
    def write(path: str):
        with open(path, "wb") as file:
            file.truncate(size)
    return write


def large_bitmap(path: str):
    """A valid 8000 x 8000 bitmap, one bit a pixel: 8 MB of file, 64 million pixels."""
    width = height = 8000
    stride = (width + 31) // 32 * 4
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    file_header = struct.pack("<2sIHHI", b"BM", 62 + stride * height, 0, 0, 62)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, stride * height,
                              2835, 2835, 2, 0)
    with open(path, "wb") as file:
        file.write(file_header + info_header + palette)
        file.write(bytes([0x55]) * stride * height)


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


LONG_LINE_END = b" THE_END"


def one_long_line(path: str):
    words = b"intStep = Abs(intSpeed) "
    with open(path, "wb") as file:
        file.write(words * (50 * 1000 * 1000 // len(words)))
        file.write(LONG_LINE_END)


UTF16_TEXT = (FIRST_LINE.decode() + "\r\ncaf\u00e9 \u20ac \U0001F600\r\n" + LAST_LINE.decode())


# --- unusual program directories (each returns where the program then lies) ------------------
def deeper_than_the_path_limit(program_dir: str) -> str:
    """The files moved 5000 characters deep, reached through two links (a link holds less)."""
    levels = [f"level-{n:02d}-" + "d" * 190 for n in range(25)]
    top = os.open(program_dir, os.O_RDONLY | os.O_DIRECTORY)
    here = top
    for name in levels:
        os.mkdir(name, dir_fd=here)
        inner = os.open(name, os.O_RDONLY | os.O_DIRECTORY, dir_fd=here)
        if here != top:
            os.close(here)
        here = inner
    for name in os.listdir(program_dir):
        if not name.startswith("level-"):
            os.rename(name, name, src_dir_fd=top, dst_dir_fd=here)
    os.close(here)
    os.close(top)
    os.symlink("/".join(levels[:12]), os.path.join(program_dir, "half"))
    os.symlink("/".join(["half"] + levels[12:]), os.path.join(program_dir, "deep"))
    return os.path.join(program_dir, "deep")


def with_backslash(program_dir: str) -> str:
    inner = os.path.join(program_dir, "back\\slash")
    os.mkdir(inner)
    for name in os.listdir(program_dir):
        if name != os.path.basename(inner):
            os.rename(os.path.join(program_dir, name), os.path.join(inner, name))
    return inner


@dataclass(frozen=True)
class Case:
    name: str
    file: str
    make: Callable[[str], None] | None  # None keeps the file as built
    error: tuple | None = None  # (number, description, reason or None); None when it loads
    first_line: str | None = None  # what the code viewer's first and last lines end with
    last_line: str | None = None
    start_up_within: float | None = None  # seconds from process start to the main window
    place: Callable[[str], str] | None = None  # moves the program's directory
    # 50 MB of short lines is 600 000 blocks of the viewer's document: its peak is reported.
    memory_limited: bool = True


CODE, FACE_0 = "code.txt", "face 0.bmp"
CASES = [
    Case("missing", CODE, missing, NOT_FOUND),
    Case("directory", CODE, directory, access(NOT_REGULAR("a directory"))),
    Case("unreadable", CODE, unreadable, access("input/output error")),
    Case("fifo", CODE, fifo, access(NOT_REGULAR("a FIFO"))),
    Case("dev_zero", CODE, link_to("/dev/zero"), access(NOT_REGULAR("a character device"))),
    Case("link_loop", CODE, link_loop, access("too many levels of symbolic links")),
    Case("sparse_3_gib", CODE, sparse(3 << 30),
         access("too large: 3 GiB, over the limit of 64 MiB")),
    Case("proc_self_status", CODE, link_to("/proc/self/status"), first_line="kinemora"),
    Case("zero_bytes", CODE, holding(b"")),
    Case("blank", CODE, holding(b"\r\n")),
    Case("garbage", CODE, holding(garbage(4096))),
    Case("invalid_utf8", CODE, holding(b"caf\xe9 \xff\xfe\xc3 still here\r\nend"),
         first_line=" still here", last_line="end"),
    Case("nul_bytes", CODE, holding(b"before\0\0after\r\n\0end"),
         first_line="\0\0after", last_line="end"),
    Case("utf16_with_bom", CODE, holding(codecs.BOM_UTF16_LE + UTF16_TEXT.encode("utf-16-le")),
         first_line=FIRST_LINE.decode(), last_line=LAST_LINE.decode()),
    Case("fifty_megabytes", CODE, fifty_megabytes,
         first_line=FIRST_LINE.decode(), last_line=LAST_LINE.decode(), start_up_within=3.0,
         memory_limited=False),
    Case("fifty_megabytes_one_line", CODE, one_long_line, last_line=LONG_LINE_END.decode()),
    Case("deeper_than_the_path_limit", CODE, None, place=deeper_than_the_path_limit,
         first_line="animate_module.h ===="),
    Case("backslash_in_directory", CODE, None, place=with_backslash,
         first_line="animate_module.h ===="),
    Case("missing", FACE_0, missing, NOT_FOUND),
    Case("directory", FACE_0, directory, access(NOT_REGULAR("a directory"))),
    Case("unreadable", FACE_0, unreadable, access("input/output error")),
    Case("fifo", FACE_0, fifo, access(NOT_REGULAR("a FIFO"))),
    Case("dev_zero", FACE_0, link_to("/dev/zero"), access(NOT_REGULAR("a character device"))),
    Case("zero_bytes", FACE_0, holding(b""), INVALID),
    Case("empty_bitmap", FACE_0, holding(bitmap(0, 0)), INVALID),
    Case("truncated", FACE_0, holding(bitmap()[: 54 + 48 * 48 * 3 // 2]), INVALID),
    Case("garbage", FACE_0, holding(garbage(7000)), INVALID),
    Case("claims_30000_square", FACE_0, holding(claiming(30000, 30000)), INVALID),
    Case("valid_8000_square", FACE_0, large_bitmap,
         (481, "Picture too large", "8000 × 8000 pixels, over the limit of 4 megapixels")),
    Case("png", FACE_0, holding(png())),
]


# --- the checks -----------------------------------------------------------------------------
class BadFiles(unittest.TestCase):
    def start(self, case: Case) -> Program:
        program_dir = Program.copy_program_dir(skip=[case.file] if case.make else [])
        self.addCleanup(shutil.rmtree, program_dir, True)
        self.file = os.path.join(program_dir, case.file)
        if case.make:
            case.make(self.file)
        if case.place:
            program_dir = case.place(program_dir)
        self.program = Program(program_dir=program_dir)
        self.addCleanup(self.program.stop)
        return self.program

    def boxes(self):
        """Windows titled like the main window but of another size: error boxes."""
        return [w for w in self.program.windows("Kinemora")
                if self.program.geometry(w)[2:] != MAIN_SIZE]

    def what_failed(self, case: Case) -> str:
        """The line naming the file: its native path, and why when the number does not say."""
        reason = case.error[2]
        return self.file + (f": {reason}" if reason else "")

    def reports(self, case: Case, handler: str) -> int:
        number, description, _ = case.error
        line = f"kinemora: run-time error {number} ({description}) in {handler}: "
        line += self.what_failed(case)
        return self.program.errors().splitlines().count(line)

    def check_reported_once(self, case: Case, handler: str):
        box = wait_for(self.boxes, 10, "the error box")[0]
        number, description, _ = case.error
        self.assertEqual(self.program.box_text(box),
                         f"Run-time error '{number}':\n\n{description}\n{self.what_failed(case)}")
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

        def copied(keys):
            for key in keys + ("ctrl+c",):
                self.program.key(key)
            return self.program.clipboard()

        for keys, expected in [(("ctrl+Home", "shift+End"), case.first_line),
                               (("ctrl+End", "shift+Home"), case.last_line)]:
            if expected is not None:  # a large text may still be filling the box: ask again
                wait_for(lambda: copied(keys).endswith(expected), 30,
                         f"the viewer's line ending {expected!r}", interval=0.5)

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

    def peak_memory_mb(self) -> float:
        with open(f"/proc/{self.program.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        raise AssertionError("no VmHWM line")

    def run_case(self, case: Case):
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        if case.file == CODE:
            self.check_code_file(case)
        else:
            self.check_face_file(case)
        self.assertIsNone(self.program.process.poll(), "the program ended by itself")
        peak = self.peak_memory_mb()
        if case.memory_limited:
            self.assertLess(peak, PEAK_MEMORY_LIMIT_MB)
        else:
            print(f"\n{case.name}: peak resident memory {peak:.0f} MB", file=sys.stderr)
        self.program.close_window(self.program.window)
        self.assertEqual(self.program.wait_exit(), 0)


def case_test(case: Case):
    return lambda self: self.run_case(case)


for bad in CASES:
    kind = "code_txt" if bad.file == CODE else "face_0"
    setattr(BadFiles, f"test_{kind}_{bad.name}", case_test(bad))


if __name__ == "__main__":
    unittest.main()
