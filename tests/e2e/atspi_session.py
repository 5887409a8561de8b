"""A screen reader's view of the real program: its AT-SPI tree, read with pyatspi.

A test module that imports this runs on a D-Bus session bus of its own (it starts itself again
under dbus-run-session), with the accessibility bus started before the program, so that the
program finds it at start-up as it would on a desktop.
"""

import os
import shutil
import sys
import unittest
import warnings

# pyatspi still calls the older names of some libatspi functions.
warnings.filterwarnings("ignore", message=r"Atspi\.", category=DeprecationWarning)

_MARK = "KINEMORA_E2E_OWN_BUS"


def missing_tools() -> str:
    """Why the screen reader's view cannot be had here, or '' if it can."""
    if not shutil.which("dbus-run-session"):
        return "dbus-run-session is not installed (dbus)"
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        return "pyatspi is not installed (python3-pyatspi)"
    if not any(os.path.exists(path) for path in ("/usr/libexec/at-spi-bus-launcher",
                                                 "/usr/lib/at-spi2-core/at-spi-bus-launcher")):
        return "the AT-SPI bus is not installed (at-spi2-core)"
    return ""


def run_on_own_bus():
    """Starts this test file again on a session bus of its own, unless it already runs on one."""
    if os.environ.get(_MARK) or missing_tools():
        return
    env = dict(os.environ, **{_MARK: "1"})
    os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv], env)


def desktop():
    """The accessibility desktop, with nothing cached, so that every read asks the program."""
    import pyatspi
    from gi.repository import Atspi
    root = pyatspi.Registry.getDesktop(0)  # starts the accessibility bus if it is not running
    Atspi.Accessible.set_cache_mask(root, Atspi.Cache.NONE)
    return root


def program_environment() -> dict:
    """What the program needs to speak to the screen reader from its start."""
    desktop()
    return {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


def application(name: str):
    """The running application of that name on the accessibility desktop, or None."""
    from gi.repository import Atspi
    root = desktop()
    for index in range(root.childCount):
        app = root.getChildAtIndex(index)
        if app is not None and app.name == name:
            Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)
            return app
    return None


def walk(node):
    """Every object under node, node included, depth first."""
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def has_state(node, state) -> bool:
    return node.getState().contains(state)


def action_names(node) -> list[str]:
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    """Runs the object's press (or click) action, as a screen reader's "activate" does."""
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() in ("press", "click"):
            action.doAction(index)
            return
    raise AssertionError(f"{node.name!r} has no press action")



def frame(app, caption):
    """The application's showing top-level window with that caption, or None."""
    import pyatspi
    for index in range(app.childCount):
        window = app.getChildAtIndex(index)
        if window is not None and window.name == caption and has_state(
                window, pyatspi.STATE_SHOWING):
            return window
    return None


class ProgramOnTheBus(unittest.TestCase):
    """A test with the real program started, its main window found and its application on the
    accessibility bus."""

    def setUp(self):
        from harness import PROGRAM, Program, wait_for
        if not PROGRAM:
            self.skipTest("KINEMORA_PROGRAM is not set")
        self.program = Program(env=program_environment())
        self.addCleanup(shutil.rmtree, self.program.dir, True)
        self.addCleanup(self.program.stop)
        self.origin = self.program.main_window()
        self.app = wait_for(lambda: application("Kinemora"), 20, "Kinemora on the accessibility bus")

    def frame(self, caption):
        return frame(self.app, caption)
