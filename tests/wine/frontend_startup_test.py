"""End-to-end tests of how Miravel.scr starts under Wine: the single-instance rule, the switches that
end at once, the message about a missing renderer, and the preview inside another program's window.

Run by CTest, one test case per CTest test:
    python3 frontend_startup_test.py PreviewTest.test_fills_the_parent_and_ends_with_it
with MIRAVEL_WINE_SESSION, MIRAVEL_DIST and MIRAVEL_WINE_TOOLS set.
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from frontend_support import (HOST_TITLE, MESSAGE_BOX_TITLE, RENDERER_MISSING_TEXT, RENDERER_TITLE,  # noqa: E402
                              SAVER_CLASS, FrontEndTestCase)
from harness import wait_until  # noqa: E402

PREVIEW_CLASS = "Kestrova_R"
PREVIEW_TITLE = "Preview Window"
DIALOG_TITLE = "<Miravel>"
WS_CHILD = 0x40000000
AT_ONCE_SECONDS = 3  # a Wine process start and end, with nothing in between


def size_of(rect):
    left, top, right, bottom = rect
    return right - left, bottom - top


class StartupTestCase(FrontEndTestCase):
    def assert_ends_at_once(self, *args):
        """Starts the front end and checks it ends with code 0 without having started anything."""
        started_at = time.time()
        program = self.start_front_end(*args)
        self.assertEqual(program.wait(10), 0, f"{args}: exit code")
        took = program.ended_at - started_at
        print(f"{' '.join(args) or '(no arguments)'}: ended after {took:.2f} s")
        self.assertLess(took, AT_ONCE_SECONDS, f"{args}: not at once")
        self.assertEqual(self.renderer_processes(), [], f"{args}: a renderer was started")

    def preview_children(self, parent):
        return self.session.find_windows(class_name=PREVIEW_CLASS, parent=parent)

    def dismiss_message_box(self, box):
        ok = self.session.find_windows(class_name="Button", parent=box.hwnd)[0]
        left, top, right, bottom = ok.rect
        self.session.move_to((left + right) // 2, (top + bottom) // 2)
        self.session.click(1)


class SwitchTest(StartupTestCase):
    def test_unknown_switches_end_at_once_without_a_window(self):
        for args in (("/x",), ("s",), ("/",), ("/a", "1234")):
            with self.subTest(args):
                self.assert_ends_at_once(*args)
                self.assertEqual(self.host_windows(), [])
                self.assertEqual(self.session.find_windows(SAVER_CLASS, RENDERER_TITLE), [])


class SingleInstanceTest(StartupTestCase):
    def test_every_start_ends_at_once_while_the_saver_runs(self):
        parent = self.session.open_plain_window("Preview box", size=(320, 240))
        running = self.start_front_end("/s")
        self.session.wait_for_window(title=HOST_TITLE, visible=False)
        self.session.wait_for_window(SAVER_CLASS, RENDERER_TITLE, visible=True, timeout=30)
        for args in (("/s",), ("/c",), ("/p", str(parent.hwnd))):
            with self.subTest(args):
                program = self.start_front_end(*args)
                self.assertEqual(program.wait(10), 0)
                self.assertEqual(len(self.host_windows()), 1)
                self.assertEqual(len(self.session.find_windows(SAVER_CLASS, RENDERER_TITLE)), 1)
                self.assertEqual(self.session.find_windows(title=DIALOG_TITLE), [])
                self.assertEqual(self.preview_children(parent.hwnd), [])
        self.assertTrue(running.running)

    def test_an_open_settings_dialog_blocks_a_start(self):
        dialog = self.start_front_end("/c")
        self.session.wait_for_window(title=DIALOG_TITLE, visible=True)
        self.assert_ends_at_once("/s")
        self.assertEqual(self.host_windows(), [])
        self.assertTrue(dialog.running)

    def test_a_renderer_running_alone_does_not_block_a_start(self):
        self.session.start(self.renderer)
        self.session.wait_for_window(SAVER_CLASS, RENDERER_TITLE, visible=True, timeout=30)
        front_end = self.start_front_end("/s")
        self.session.wait_for_window(title=HOST_TITLE, visible=False)
        self.assertTrue(front_end.running)


class RendererMissingTest(StartupTestCase):
    locale = "C"  # the message is shown from UTF-16: right whatever the ANSI code page
    with_renderer = False

    def test_run_and_configure_say_so_and_end(self):
        for switch in ("/s", "/c"):
            with self.subTest(switch):
                program = self.start_front_end(switch)
                box = self.session.wait_for_window(title=MESSAGE_BOX_TITLE, visible=True)
                texts = [w.title for w in self.session.find_windows(class_name="Static", parent=box.hwnd)]
                self.assertIn(RENDERER_MISSING_TEXT, texts)
                buttons = [w.title for w in self.session.find_windows(class_name="Button", parent=box.hwnd)]
                self.assertEqual(buttons, ["OK"])
                self.assertEqual(self.host_windows(), [])
                self.assertEqual(self.session.find_windows(title=DIALOG_TITLE), [])
                self.dismiss_message_box(box)
                self.assertEqual(program.wait(10), 0)

    def test_preview_needs_no_renderer(self):
        parent = self.session.open_plain_window("Preview box", size=(320, 240))
        self.start_front_end("/p", str(parent.hwnd))
        self.session.wait_for_window(PREVIEW_CLASS, PREVIEW_TITLE, parent=parent.hwnd)
        self.assertEqual(self.session.find_windows(title=MESSAGE_BOX_TITLE), [])


class PreviewTest(StartupTestCase):
    def test_fills_the_parent_and_ends_with_it(self):
        parent = self.session.open_plain_window("Preview box", size=(400, 300))
        preview = self.start_front_end("/p", str(parent.hwnd))
        child = self.session.wait_for_window(PREVIEW_CLASS, PREVIEW_TITLE, parent=parent.hwnd)
        self.assertTrue(child.style & WS_CHILD)
        self.assertNotEqual(child.pid, self.session.window_info(parent.hwnd).pid)
        self.assertEqual(size_of(child.rect), size_of(self.session.window_info(parent.hwnd).rect))
        self.assertEqual(self.session.find_windows(PREVIEW_CLASS, PREVIEW_TITLE), [], "a top-level preview")

        closed_at = time.time()
        parent.close()
        self.assertEqual(preview.wait(5), 0)
        print(f"preview ended {preview.ended_at - closed_at:.2f} s after its parent was told to close")

    def test_without_a_window_to_show_in_ends_at_once(self):
        for args in (("/p",), ("/p", "0"), ("/p", "12345678")):
            with self.subTest(args):
                self.assert_ends_at_once(*args)


if __name__ == "__main__":
    unittest.main(verbosity=2)
