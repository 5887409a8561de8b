"""What a screen reader and a keyboard user meet: the program's AT-SPI tree, its actions, and
the Tab order, under Xvfb on an accessibility bus of the test's own.

Points are client-area pixels of the main window (twips / 15).
"""

import re
import unittest

import atspi_session
from harness import wait_for

atspi_session.run_on_own_bus()

FACE = (16, 72, 64, 120)  # the face picture, left top right bottom

DESCRIBED_STOPS = ["Flasher", "Scrolling Text 1", "Scrolling Text 2", "Horizontal", "Vertical",
                   "Speed", "Stop", "Scrolling Text 3"]
NEW_STOPS = ["Face animation", "Question mark", "link", "Display the project code",
             "Exit Application"]

# A control's identifier rather than words: "cmdStop", "imgMenu(1)", "Picture2", "Shape1".
IDENTIFIER = re.compile(r"^([a-z]+[A-Z]\w*|[A-Z][a-z]+\d+)(\(\d+\))?$")


@unittest.skipIf(atspi_session.missing_tools(), atspi_session.missing_tools())
class ScreenReader(atspi_session.ProgramOnTheBus):
    def setUp(self):
        super().setUp()
        self.main = wait_for(lambda: self.frame("Kinemora"), 10, "the main window's frame")

    # --- reading the tree -------------------------------------------------------------------
    def find(self, name, root=None):
        for node in atspi_session.walk(root or self.main):
            if node.name == name:
                return node
        raise AssertionError(f"nothing named {name!r} in the tree")

    def focused_name(self):
        import pyatspi
        for node in atspi_session.walk(self.main):
            if atspi_session.has_state(node, pyatspi.STATE_FOCUSED):
                return node.name
        return None

    def showing(self, name) -> bool:
        import pyatspi
        return atspi_session.has_state(self.find(name), pyatspi.STATE_SHOWING)

    def face_pixels(self):
        return self.program.pixels(FACE)

    # --- the tests --------------------------------------------------------------------------
    def test_every_control_has_plain_words_and_both_windows_are_frames(self):
        import pyatspi
        atspi_session.press(self.find("Display the project code"))
        viewer = wait_for(lambda: self.frame("Project Code"), 10, "the code viewer's frame")
        actionable = []
        for window in (self.main, viewer):
            self.assertEqual(window.getRole(), pyatspi.ROLE_FRAME, window.name)
            for node in atspi_session.walk(window):
                self.assertTrue(node.name, f"a nameless {node.getRoleName()} in {window.name}")
                self.assertIsNone(IDENTIFIER.match(node.name or ""),
                                  f"{node.name!r} ({node.getRoleName()}) is an identifier")
                if {"press", "click"} & {a.lower() for a in atspi_session.action_names(node)}:
                    actionable.append(node.name)
        self.assertEqual(len(actionable), len(set(actionable)), f"shared names: {actionable}")
        for name in NEW_STOPS + ["click to close", "Close"]:
            self.assertIn(name, actionable)
        roles = {node.name: node.getRole() for node in atspi_session.walk(self.main)}
        self.assertEqual(roles["link"], pyatspi.ROLE_LINK)
        self.assertEqual(roles["Display the project code"], pyatspi.ROLE_MENU_ITEM)
        self.assertNotIn(pyatspi.ROLE_IMAGE, [roles[n] for n in ("Exit Application", "Menu")])
        self.assertEqual(list(roles).count("Exit Application"), 1, "one object per menu item")
        speed = [n for n in atspi_session.walk(self.main) if n.getRole() == pyatspi.ROLE_SCROLL_BAR]
        self.assertEqual([n.name for n in speed], ["Speed"])
        labels = [r.getTarget(0).name for r in speed[0].getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        self.assertEqual(labels, ["Speed"])
        self.assertEqual(speed[0].queryValue().currentValue, 1)
        self.assertEqual(self.find("Project code", viewer).getRole(), pyatspi.ROLE_TEXT)

    def test_the_click_effects_run_through_their_action(self):
        before = self.face_pixels()
        atspi_session.press(self.find("Face animation"))
        wait_for(lambda: self.face_pixels() != before, 5, "the face to animate")

        self.assertFalse(self.showing("Note"))
        atspi_session.press(self.find("link"))
        wait_for(lambda: self.showing("Note"), 5, "the note panel")
        atspi_session.press(self.find("click to close"))
        wait_for(lambda: not self.showing("Note"), 5, "the note panel to close")

        atspi_session.press(self.find("Display the project code"))
        viewer = wait_for(lambda: self.frame("Project Code"), 10, "the code viewer's frame")
        atspi_session.press(self.find("Close", viewer))
        wait_for(lambda: not self.program.windows("Project Code"), 5, "the viewer to close")
        atspi_session.press(self.find("Exit Application"))
        box = self.program.find_window("Confirm exit")
        self.assert_over_main_window(box)
        alert = wait_for(lambda: self.frame("Confirm exit"), 10, "the question on the bus")
        names = [node.name for node in atspi_session.walk(alert)]
        self.assertIn("Are you sure you want to exit the application?", names)
        self.assertNotIn("", names)
        self.program.key("Escape")
        wait_for(lambda: not self.program.windows("Confirm exit"), 5, "the question to close")
        self.assertIsNone(self.program.process.poll())

    def test_the_flasher_and_the_face_say_whether_they_are_on(self):
        import pyatspi
        from gi.repository import GLib
        heard = []

        def listener(event):
            heard.append((event.source.name, bool(event.detail1)))

        pyatspi.Registry.registerEventListener(listener, "object:state-changed:checked")
        self.addCleanup(pyatspi.Registry.deregisterEventListener, listener,
                        "object:state-changed:checked")

        def heard_of(change):
            while GLib.MainContext.default().iteration(False):
                pass
            return change in heard

        # A screen reader speaks on and off only for a switch's role: of a push button it says
        # neither, checked or not. Qt's bridge hands on no "checkable", so the role must say it.
        switch_roles = (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON)
        for name in ("Flasher", "Face animation"):
            switch = self.find(name)
            self.assertIn(switch.getRole(), switch_roles, f"{name} is a {switch.getRoleName()}")
            self.assertFalse(atspi_session.has_state(switch, pyatspi.STATE_CHECKED), name)
            for on in (True, False):
                atspi_session.press(switch)
                said = (name, on)
                wait_for(lambda: heard_of(said), 5, f"{said} on the bus")
                self.assertEqual(atspi_session.has_state(switch, pyatspi.STATE_CHECKED), on)
                self.assertIn(switch.getRole(), switch_roles, name)

    def assert_over_main_window(self, box):
        from Xlib import display as xdisplay
        connection = xdisplay.Display(self.program.env["DISPLAY"])
        try:
            owner = connection.create_resource_object("window", box).get_wm_transient_for()
            self.assertIsNotNone(owner, "the question box is transient for nothing")
            self.assertEqual(owner.id, self.program.window, "transient for another window")
        finally:
            connection.close()
        bx, by, bw, bh = self.program.geometry(box)
        mx, my, mw, mh = self.program.geometry(self.program.window)
        self.assertLess(abs((bx + bw / 2) - (mx + mw / 2)), 40, "centred over the main window")
        self.assertLess(abs((by + bh / 2) - (my + mh / 2)), 60, "centred over the main window")

    def test_tab_reaches_the_described_stops_then_the_new_ones_and_comes_round(self):
        wait_for(lambda: self.focused_name() == "Flasher", 5, "the focus on Flasher")
        for expected in DESCRIBED_STOPS[1:] + NEW_STOPS + ["Flasher"]:
            self.program.key("Tab")
            wait_for(lambda: self.focused_name() == expected, 5, f"Tab to reach {expected!r}")

        # While the note panel shows, "click to close" follows the link.
        for _ in range(len(DESCRIBED_STOPS) + 2):
            self.program.key("Tab")
        wait_for(lambda: self.focused_name() == "link", 5, "the focus on the link")
        self.program.key("Return")
        wait_for(lambda: self.showing("Note"), 5, "the note panel")
        self.program.key("Tab")
        wait_for(lambda: self.focused_name() == "click to close", 5, "click to close")
        self.program.key("space")
        wait_for(lambda: not self.showing("Note"), 5, "the note panel to close")
        wait_for(lambda: self.focused_name() == "link", 5, "the focus back on the link")

    def test_return_on_the_first_menu_item_opens_the_viewer_and_escape_closes_it(self):
        self.program.key("shift+Tab")
        self.program.key("shift+Tab")
        wait_for(lambda: self.focused_name() == "Display the project code", 5, "the menu item")
        self.program.key("Return")
        viewer = self.program.find_window("Project Code")
        wait_for(lambda: self.frame("Project Code"), 10, "the code viewer's frame")
        self.program.key("Escape")
        wait_for(lambda: not self.program.windows("Project Code"), 5, "the viewer to close")
        self.assertIsNone(self.program.process.poll())
        self.assertNotIn(viewer, self.program.windows("Project Code"))


if __name__ == "__main__":
    unittest.main()
