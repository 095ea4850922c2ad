"""VexlorKit started as a user starts it, in an X server with a window manager,
and driven with keys and clicks: the first run, launching the emulator (the
stand-in), typed text kept at closing, and a launch that fails.

ctest runs each test method as a test of its own (e2e_<name>), with the paths of
the built program and the stand-in in VEXLORKIT_PROGRAM and VEXLOR_STANDIN.
"""

import glob
import os
import sys
import tempfile
import unittest

from desktop import Desktop, wait_until
from program import STANDIN, ProgramFolder, wait_for_exit, wait_for_standin_report

MAIN_TITLE = "VexlorKit"
ABOUT_TITLE = "About VexlorKit..."
SECTION_ORDER = ["Vexlor", "VexlorKit"]
WINDOW_KEYS = ["cwd", "Left", "Top", "Page"]


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.folder = self.enterContext(tempfile.TemporaryDirectory(prefix="vexlorkit-e2e-"))
        self.desktop = self.enterContext(Desktop(self.folder))
        self.program = ProgramFolder(self.folder)
        self.games = os.path.join(self.folder, "games")
        os.mkdir(self.games)

    def start(self):
        return self.program.start(self.desktop)

    def start_to_main_window(self):
        """Starts the program, waits for its main window and gives it the focus."""
        process = self.start()
        window = self.desktop.wait_for_window(MAIN_TITLE, process.pid)
        self.desktop.activate(window)
        return process, window

    def close_and_wait(self, process, window, keys=("alt+F4",)):
        self.desktop.activate(window)
        self.desktop.key(*keys)
        self.assertEqual(wait_for_exit(process), 0)

    def write_launch_settings(self, vexlor_path):
        """Settings that launch vexlor_path in the games folder, with the volume at 12."""
        self.program.write_ini(
            "[Vexlor]\n"
            f"VexlorPath={vexlor_path}\n"
            f"StartupDirectory={self.games}/\n"
            "Volume=12\n"
            "[VexlorKit]\n"
            f"cwd={self.program.path}\n"
        )

    def assert_standin_launched(self):
        report = wait_for_standin_report(self.program.report_path)
        responses = glob.glob(os.path.join(self.folder, "tmp", "m2b*.tmp"))
        self.assertEqual(len(responses), 1, responses)
        self.assertEqual(report["arg"], [STANDIN.encode(), b"@" + responses[0].encode()])
        self.assertEqual(report["cwd"], [self.games.encode()])
        with open(responses[0], "rb") as file:
            self.assertEqual(report.get("response"), [file.read()])
        self.assertIn(b"\r\n-volume 12\r\n", report["response"][0])

    def test_first_run_shows_the_about_box_then_saves_every_setting(self):
        process = self.start()
        about = self.desktop.wait_for_window(ABOUT_TITLE, process.pid)
        self.assertEqual(self.desktop.windows(MAIN_TITLE, process.pid), [])

        self.desktop.activate(about)
        self.desktop.key("Return")
        self.desktop.wait_until_gone(about, ABOUT_TITLE, process.pid)
        window = self.desktop.wait_for_window(MAIN_TITLE, process.pid)
        self.close_and_wait(process, window)

        sections = self.program.ini_sections()
        self.assertEqual([name for name, _ in sections], SECTION_ORDER)
        self.assertEqual(len(sections[0][1]), 50)
        self.assertEqual(list(sections[1][1]), WINDOW_KEYS)
        self.assertEqual(sections[1][1]["cwd"], self.program.path)
        self.assertEqual(sections[1][1]["Page"], "0")

        # The next start goes straight to the main window, where the last one was.
        process, window = self.start_to_main_window()
        self.assertEqual(self.desktop.windows(ABOUT_TITLE, process.pid), [])
        self.close_and_wait(process, window)
        self.assertEqual(dict(self.program.ini_sections())["VexlorKit"], sections[1][1])

    def test_launch_button_starts_the_emulator(self):
        self.write_launch_settings(STANDIN)
        process, window = self.start_to_main_window()
        # "Launch Vexlor" is the first button of the strip along the window's foot.
        left, top, _, height = self.desktop.geometry(window)
        self.desktop.click(left + 30, top + height - 18)
        self.assert_standin_launched()
        self.close_and_wait(process, window)

    def test_enter_right_after_start_up_launches(self):
        self.write_launch_settings(STANDIN)
        process, window = self.start_to_main_window()
        self.desktop.key("Return")
        self.assert_standin_launched()
        self.close_and_wait(process, window)

    def type_path_then_close(self, close):
        self.program.write_ini(f"[VexlorKit]\ncwd={self.program.path}\nPage=0\n")
        process, window = self.start_to_main_window()
        # From the tabs, Tab goes to the emulator's path on the Paths page.
        self.desktop.key("Tab", "ctrl+a")
        self.desktop.type("/opt/vexlor/bin/vexlor")
        close(window)
        self.assertEqual(wait_for_exit(process), 0)
        self.assertEqual(self.program.ini_value("Vexlor", "VexlorPath"), "/opt/vexlor/bin/vexlor")

    def test_typed_text_is_saved_when_alt_f4_closes(self):
        self.type_path_then_close(lambda window: self.desktop.key("alt+F4"))

    def test_typed_text_is_saved_when_the_close_box_closes(self):
        def click_close_box(window):
            # The close box is the rightmost button of openbox's title bar.
            left, top, width, _ = self.desktop.geometry(window)
            _, right_frame, title_bar, _ = self.desktop.frame(window)
            self.desktop.click(left + width + right_frame - title_bar // 2, top - title_bar // 2)

        self.type_path_then_close(click_close_box)

    def test_failed_launch_says_why(self):
        missing = os.path.join(self.folder, "no such folder", "vexlor")
        self.write_launch_settings(missing)
        process, window = self.start_to_main_window()
        self.desktop.key("Return")

        box = self.desktop.wait_for_window(MAIN_TITLE, process.pid, other_than=[window])
        self.desktop.activate(box)
        # A message box copies its title, text and buttons between dashed lines.
        self.desktop.key("ctrl+c")
        copied = wait_until(lambda: self.desktop.clipboard(), "the error box's text on the clipboard")
        lines = [line for line in copied.splitlines() if line and not line.startswith("---")]
        self.assertEqual(lines, [MAIN_TITLE, f'Cannot start "{missing}": No such file or directory.', "OK"])

        self.desktop.key("Return")
        self.desktop.wait_until_gone(box, MAIN_TITLE, process.pid)
        self.assertEqual(self.desktop.windows(MAIN_TITLE, process.pid), [window])
        self.assertFalse(os.path.exists(self.program.report_path))
        self.close_and_wait(process, window)


if __name__ == "__main__":
    sys.exit(unittest.main())
