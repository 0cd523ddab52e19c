"""End-to-end tests of the settings dialog of Miravel.scr (the configure switch) under Wine.

Run by CTest, one test case per CTest test:
    python3 settings_dialog_test.py SettingsDialogLookTest.test_opens_centred_with_its_client_area
with MIRAVEL_WINE_SESSION, MIRAVEL_DIST and MIRAVEL_WINE_TOOLS set. Where text is shown or stored, a test runs under
both LANG=C (Wine's ANSI code page 1252) and LANG=ja_JP.UTF-8 (932).
"""

import glob
import math
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from frontend_support import (AWAY, FILE_KEY, KIND_KEY, MESSAGE_BOX_TITLE, TRACK_KEY,  # noqa: E402
                              FrontEndTestCase, settings_bytes, windows_path)
from harness import SCREEN_SIZE, HarnessError, wait_until  # noqa: E402

DIALOG_TITLE = "<Miravel>"
PANEL_CLASS = "MiravelSettingsPanel"
OPEN_FILE_TITLE = "ﾌｧｲﾙを開く"
WS_DISABLED = 0x08000000

# Client-area layout, pixels: (left, top, width, height).
CLIENT_SIZE = (479, 252)
PANEL = (12, 16, 453, 169)
SET = (320, 200, 73, 25)
CANCEL = (396, 200, 69, 25)
OTHER_WORKS = (192, 200, 125, 25)
# Inside the panel.
BROWSE = (36, 116, 29, 21)
TRACK_BOX = (92, 52, 41, 20)
CHOICE_MARKS = {0: (20, 76), 1: (20, 56), 2: (20, 96)}
CHOICE_LABELS = {0: (36, 76), 1: (36, 56), 2: (36, 96)}

# Colours of the skins' frame band, where Normal, HighLight and Disable differ.
OUTLINE = (0x00, 0x3C, 0x74)
DISABLED_OUTLINE = (0xC9, 0xC7, 0xBA)
NORMAL_LOWER_BAND = (0xD6, 0xD0, 0xC5)
HIGHLIGHT_LOWER_BAND = (0xE5, 0x97, 0x00)


def band_shade(row, height):
    # Python's round() takes halves to the even neighbour, as the dialog does.
    return round(abs(math.sin(row / (height / 3.142)) * 220))


def dialog_band(row):
    shade = band_shade(row, CLIENT_SIZE[1])
    return (shade, shade, shade + 30)


def panel_band(row):
    shade = band_shade(row, PANEL[3]) + 30
    return (shade, shade, shade)


def glyph_images(shot, box, is_ink):
    """The ink of a text line cut into runs of inked columns: roughly one per character."""
    left, top, width, height = box
    runs, current = [], []
    for x in range(left, left + width):
        column = tuple(is_ink(shot.pixel(x, y)) for y in range(top, top + height))
        if any(column):
            current.append(column)
        elif current:
            runs.append(tuple(current))
            current = []
    if current:
        runs.append(tuple(current))
    return runs


def dark(pixel):
    return sum(pixel) < 300


def assert_real_text(test, shot, box, text):
    """Boxes or question marks in place of Japanese would draw one picture over and over."""
    glyphs = glyph_images(shot, box, dark)
    test.assertGreaterEqual(len(set(glyphs)), min(3, len(set(text))), f"{text}: {len(glyphs)} ink runs")


def remove_path(path):
    if os.path.isdir(path):
        shutil.rmtree(path)
    elif os.path.exists(path):
        os.remove(path)


class Dialog:
    """An open settings dialog: its window and where its client area is on the screen."""

    def __init__(self, session, program, window, origin):
        self.session = session
        self.program = program
        self.window = window
        self.origin = origin

    def at(self, x, y):
        """Screen point of a client point."""
        return self.origin[0] + x, self.origin[1] + y

    def in_panel(self, x, y):
        return self.at(PANEL[0] + x, PANEL[1] + y)

    def click(self, point, button=1):
        self.session.move_to(*point)
        self.session.click(button)

    def press(self, box, offset=(0, 0)):
        """Clicks the middle of a button given by its client box."""
        left, top, width, height = box
        self.click(self.at(left + offset[0] + width // 2, top + offset[1] + height // 2))

    def panel(self):
        return self.session.find_windows(class_name=PANEL_CLASS, parent=self.window.hwnd)[0]

    def track_box(self):
        return self.session.find_windows(class_name="ComboBox", parent=self.panel().hwnd)[0]

    def wait_track_box_enabled(self, enabled):
        return wait_until(lambda: (not self.track_box().style & WS_DISABLED) == enabled, 10,
                          f"the track box {'enabled' if enabled else 'disabled'}")

    def wait_pixel(self, point, colour, what, timeout=5):
        wait_until(lambda: self.session.screenshot().pixel(*point) == colour, timeout, what)

    def close_box(self):
        # NOTE: unmanaged, Wine draws the title bar itself; its close box sits at the right end.
        left, top, right, bottom = self.window.rect
        return right - 11, top + 12


def find_client_origin(shot, rect):
    """The screen position of the dialog's client area, found by its shaded rows, or None."""
    left, top, right, bottom = rect
    rows = (0, 1, 10, 63, 126, 189, 251)
    for dy in range(0, max(0, bottom - top - CLIENT_SIZE[1]) + 1):
        for dx in range(0, 12):
            x = left + dx
            if all(shot.pixel(x, top + dy + row) == dialog_band(row) for row in rows):
                return x, top + dy
    return None


class DialogTestCase(FrontEndTestCase):
    def setUp(self):
        super().setUp()
        self.settings_path = os.path.join(self.work_dir, "Miravel.ini")

    def open_dialog(self):
        # NOTE: now and then, late in a long run, a Wine program never gets going (seen only under
        # Wine, never twice in a row): such a start is ended and made again. Waiting on the X window
        # starts no Wine program of its own.
        for attempt in range(3):
            program = self.session.start(self.scr, "/c")
            try:
                wait_until(lambda: self.x_window_shown(DIALOG_TITLE), 15, "the dialog's X window")
                break
            except HarnessError:
                state = "still running" if program.running else f"ended with {program.exit_code}"
                print(f"start {attempt + 1} of the dialog showed no window ({state}); starting again")
                program.kill()
        else:
            self.fail("the dialog did not appear in three starts")
        window = self.session.wait_for_window(title=DIALOG_TITLE, visible=True)
        origin = wait_until(lambda: find_client_origin(self.session.screenshot(), window.rect), 10,
                            "the dialog's shaded client area")
        return Dialog(self.session, program, window, origin)

    def x_window_shown(self, title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], env=self.session.env,
                               capture_output=True)
        return found.returncode == 0

    def read_settings(self):
        with open(self.settings_path, "rb") as f:
            return f.read()

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], env=self.session.env, check=True)

    def wait_for_message_box(self):
        """The message box and its text."""
        box = self.session.wait_for_window(title=MESSAGE_BOX_TITLE, visible=True)
        # Read here rather than through find_windows: the text runs over several lines.
        out = subprocess.run(["wine", self.session.wintool, "find", "--class", "Static", "--parent", str(box.hwnd)],
                             env=self.session.env, stdin=subprocess.DEVNULL, capture_output=True, encoding="utf-8",
                             errors="replace", timeout=30).stdout
        return box, out.replace("\r", "")

    def dismiss_message_box(self, box):
        ok = self.session.find_windows(class_name="Button", parent=box.hwnd)[0]
        left, top, right, bottom = ok.rect
        self.session.move_to((left + right) // 2, (top + bottom) // 2)
        self.session.click(1)
        wait_until(lambda: not self.session.find_windows(title=MESSAGE_BOX_TITLE), 10, "the message box to go")

    def choose_file(self, dialog, unix_path):
        """Browses for a file by typing its path into the open-file dialog."""
        dialog.press(BROWSE, offset=PANEL[:2])
        self.session.wait_for_window(title=OPEN_FILE_TITLE, visible=True)
        self.type_text(windows_path(unix_path))
        self.session.key("Return")

    def per_user_settings(self):
        """%APPDATA%\\Miravel\\Miravel.ini inside the prefix."""
        roaming = glob.glob(os.path.join(self.session.prefix, "drive_c", "users", "*", "AppData", "Roaming"))
        roaming = [path for path in roaming if not path.split(os.sep)[-3] == "Public"]
        self.assertTrue(roaming, "no AppData\\Roaming folder in the prefix")
        folder = os.path.join(roaming[0], "Miravel")
        # The prefix serves the whole run: nothing of this test may be read by the next.
        self.addCleanup(remove_path, folder)
        return folder


class SettingsDialogLookTest(DialogTestCase):
    def test_opens_centred_with_its_client_area(self):
        dialog = self.open_dialog()
        self.assertEqual(len(self.session.find_windows(title=DIALOG_TITLE)), 1)
        left, top, right, bottom = dialog.window.rect
        width, height = right - left, bottom - top
        self.assertLessEqual(abs(left - (SCREEN_SIZE[0] - width) / 2), 1, dialog.window)
        self.assertLessEqual(abs(top - (SCREEN_SIZE[1] - height) / 3), 1, dialog.window)

        # The shaded rows span exactly the client area: 252 rows on a clear column, 479 columns on
        # a clear row between the panel and the buttons, and the frame around.
        shot = self.session.screenshot()
        x0, y0 = dialog.origin
        for row in range(CLIENT_SIZE[1]):
            self.assertEqual(shot.pixel(x0 + 5, y0 + row), dialog_band(row), f"row {row}")
        self.assertNotEqual(shot.pixel(x0 + 5, y0 + CLIENT_SIZE[1]), dialog_band(CLIENT_SIZE[1]))
        for column in range(CLIENT_SIZE[0]):
            self.assertEqual(shot.pixel(x0 + column, y0 + 190), dialog_band(190), f"column {column}")
        self.assertNotEqual(shot.pixel(x0 + CLIENT_SIZE[0], y0 + 190), dialog_band(190))

    def test_other_works_opens_an_https_page_and_the_dialog_stays(self):
        opened = os.path.join(self.work_dir, "opened.txt")
        key = r"HKLM\Software\Classes\https\shell\open\command"
        query = subprocess.run(["wine", "reg", "query", key, "/ve"], env=self.session.env, capture_output=True,
                               encoding="utf-8", errors="replace", timeout=60).stdout
        browser = query.split("REG_SZ", 1)[1].strip()
        self.addCleanup(self.session.wine, "reg", "add", key, "/ve", "/d", browser, "/f")
        # A browser that only notes the address it was given.
        note_address = rf"C:\windows\system32\cmd.exe /c echo %1> {windows_path(opened)}"
        self.session.wine("reg", "add", key, "/ve", "/d", note_address, "/f")
        dialog = self.open_dialog()
        dialog.press(OTHER_WORKS)
        wait_until(lambda: os.path.exists(opened) and os.path.getsize(opened) > 0, 20, "the page to be opened")
        with open(opened) as f:
            self.assertTrue(f.read().strip().startswith("https://"))
        self.assertTrue(dialog.program.running)
        self.assertEqual(len(self.session.find_windows(title=DIALOG_TITLE)), 1)

    def test_hover_shows_the_amber_frame_until_the_pointer_leaves(self):
        dialog = self.open_dialog()
        lower_band = dialog.at(SET[0] + 30, SET[1] + 22)
        self.assertEqual(self.session.screenshot().pixel(*lower_band), NORMAL_LOWER_BAND)
        self.session.move_to(*dialog.at(SET[0] + 36, SET[1] + 12))
        dialog.wait_pixel(lower_band, HIGHLIGHT_LOWER_BAND, "the amber frame while hovered")
        self.session.move_to(*AWAY)
        dialog.wait_pixel(lower_band, NORMAL_LOWER_BAND, "the normal frame once the pointer has left")


class BandsAndCaptions:
    def test_shows_bands_japanese_captions_and_skins(self):
        dialog = self.open_dialog()
        shot = self.session.screenshot()
        for row in (0, 1, 10, 63, 121, 126, 131, 189, 251):
            self.assertEqual(shot.pixel(*dialog.at(5, row)), dialog_band(row), f"dialog row {row}")
        for row in (0, 1, 10, 42, 81, 88, 126, 168):
            self.assertEqual(shot.pixel(*dialog.in_panel(440, row)), panel_band(row), f"panel row {row}")

        for text, (left, top, width, height) in {"設定": SET, "ｷｬﾝｾﾙ": CANCEL, "その他の作品": OTHER_WORKS}.items():
            assert_real_text(self, shot, (*dialog.at(left + 4, top + 4), width - 8, height - 8), text)
        for text, (left, top) in {"無し": CHOICE_LABELS[0], "曲目をﾘﾋﾟｰﾄ": (136, 56)}.items():
            assert_real_text(self, shot, (*dialog.in_panel(left, top - 2), 90, 17), text)

        for left, top, _, _ in (SET, CANCEL, OTHER_WORKS):
            self.assertEqual(shot.pixel(*dialog.at(left + 30, top + 1)), OUTLINE)
            self.assertEqual(shot.pixel(*dialog.at(left + 30, top + 22)), NORMAL_LOWER_BAND)
        # No music is chosen: the browse button shows the disabled skin.
        self.assertEqual(shot.pixel(*dialog.in_panel(BROWSE[0] + 14, BROWSE[1] + 1)), DISABLED_OUTLINE)


class ChoicesAndSet:
    def test_choices_enable_their_controls_and_set_writes_the_file(self):
        dialog = self.open_dialog()
        browse_outline = dialog.in_panel(BROWSE[0] + 14, BROWSE[1] + 1)
        dialog.wait_track_box_enabled(False)

        dialog.click(dialog.in_panel(CHOICE_MARKS[1][0] + 6, CHOICE_MARKS[1][1] + 6))
        dialog.wait_track_box_enabled(True)
        dialog.click(dialog.in_panel(CHOICE_LABELS[0][0] + 8, CHOICE_LABELS[0][1] + 6), button=3)
        dialog.wait_track_box_enabled(False)
        dialog.click(dialog.in_panel(CHOICE_LABELS[2][0] + 10, CHOICE_LABELS[2][1] + 6))
        dialog.wait_pixel(browse_outline, OUTLINE, "the browse button enabled")
        dialog.click(dialog.in_panel(CHOICE_LABELS[1][0] + 10, CHOICE_LABELS[1][1] + 6))
        dialog.wait_track_box_enabled(True)
        dialog.wait_pixel(browse_outline, DISABLED_OUTLINE, "the browse button disabled again")

        dialog.click(dialog.in_panel(TRACK_BOX[0] + 12, TRACK_BOX[1] + 10))
        self.session.key("ctrl+a", "1", "2")
        self.assertFalse(os.path.exists(self.settings_path))
        dialog.press(SET)
        self.assertEqual(dialog.program.wait(10), 0)
        self.assertEqual(self.read_settings(), settings_bytes(1, 12))


class SettingsDialogLangCTest(BandsAndCaptions, ChoicesAndSet, DialogTestCase):
    locale = "C"


class SettingsDialogLangJaTest(BandsAndCaptions, ChoicesAndSet, DialogTestCase):
    locale = "ja_JP.UTF-8"


class SettingsFileTest(DialogTestCase):
    locale = "ja_JP.UTF-8"

    def test_set_keeps_every_other_byte_of_an_existing_file(self):
        before = (b"; written by hand\r\n[Other]\r\nname=value\r\n\r\n[Section]\r\n" + KIND_KEY + b"=0\r\n" +
                  TRACK_KEY + b"=0\r\n" + FILE_KEY + b"=\r\n; the end\r\n")
        self.write_settings(before)
        dialog = self.open_dialog()
        dialog.click(dialog.in_panel(CHOICE_MARKS[1][0] + 6, CHOICE_MARKS[1][1] + 6))
        dialog.wait_track_box_enabled(True)
        dialog.click(dialog.in_panel(TRACK_BOX[0] + 12, TRACK_BOX[1] + 10))
        self.session.key("ctrl+a", "7")
        dialog.press(SET)
        self.assertEqual(dialog.program.wait(10), 0)
        after = before.replace(KIND_KEY + b"=0", KIND_KEY + b"=1").replace(TRACK_KEY + b"=0", TRACK_KEY + b"=7")
        self.assertEqual(self.read_settings(), after)

    def test_cancel_and_the_close_box_leave_the_file_untouched(self):
        self.write_settings(settings_bytes(0, 0))
        before = os.stat(self.settings_path).st_mtime_ns
        for close in ("cancel", "close box"):
            with self.subTest(close):
                dialog = self.open_dialog()
                dialog.click(dialog.in_panel(CHOICE_MARKS[1][0] + 6, CHOICE_MARKS[1][1] + 6))
                dialog.wait_track_box_enabled(True)
                if close == "cancel":
                    dialog.press(CANCEL)
                else:
                    dialog.click(dialog.close_box())
                self.assertEqual(dialog.program.wait(10), 0)
                self.assertEqual(self.read_settings(), settings_bytes(0, 0))
                self.assertEqual(os.stat(self.settings_path).st_mtime_ns, before)

    def test_chosen_file_is_stored_in_code_page_932(self):
        folder = os.path.join(self.work_dir, "音楽")
        os.mkdir(folder)
        music = os.path.join(folder, "tone.wav")
        open(music, "wb").close()
        dialog = self.open_dialog()
        dialog.click(dialog.in_panel(CHOICE_LABELS[2][0] + 10, CHOICE_LABELS[2][1] + 6))
        dialog.wait_pixel(dialog.in_panel(BROWSE[0] + 14, BROWSE[1] + 1), OUTLINE, "the browse button enabled")
        self.choose_file(dialog, music)
        wait_until(lambda: not self.session.find_windows(title=OPEN_FILE_TITLE), 10, "the open-file dialog to go")
        dialog.press(SET)
        self.assertEqual(dialog.program.wait(10), 0)
        self.assertEqual(self.read_settings(), settings_bytes(2, 0, windows_path(music).encode("cp932")))

    def test_file_name_outside_code_page_932_is_refused_and_the_choice_kept(self):
        kept = os.path.join(self.work_dir, "kept.wav")
        refused = os.path.join(self.work_dir, "café.wav")  # é has no code page 932 form
        for path in (kept, refused):
            open(path, "wb").close()
        self.write_settings(settings_bytes(2, 0, windows_path(kept).encode("cp932")))
        dialog = self.open_dialog()
        self.choose_file(dialog, refused)
        box, text = self.wait_for_message_box()
        self.assertIn(windows_path(refused), text)
        self.dismiss_message_box(box)
        dialog.press(SET)
        self.assertEqual(dialog.program.wait(10), 0)
        self.assertEqual(self.read_settings(), settings_bytes(2, 0, windows_path(kept).encode("cp932")))


class SettingsDialogUnwritableTest(DialogTestCase):
    def block_file_beside_the_program(self):
        # The tests run as root, whom a read-only folder does not stop: a folder of the file's name
        # cannot be replaced by a file.
        os.mkdir(self.settings_path)

    def test_set_falls_back_to_the_per_user_file_which_the_next_start_reads(self):
        self.block_file_beside_the_program()
        per_user = os.path.join(self.per_user_settings(), "Miravel.ini")
        dialog = self.open_dialog()
        dialog.click(dialog.in_panel(CHOICE_MARKS[1][0] + 6, CHOICE_MARKS[1][1] + 6))
        dialog.wait_track_box_enabled(True)
        dialog.click(dialog.in_panel(TRACK_BOX[0] + 12, TRACK_BOX[1] + 10))
        self.session.key("ctrl+a", "1", "2")
        dialog.press(SET)
        self.assertEqual(dialog.program.wait(10), 0)
        with open(per_user, "rb") as f:
            self.assertEqual(f.read(), settings_bytes(1, 12))

        again = self.open_dialog()
        again.wait_track_box_enabled(True)
        track_text = (*again.in_panel(TRACK_BOX[0] + 3, TRACK_BOX[1] + 3), 22, 14)
        # Text in the track box, which shows nothing for the whole disc; it may
        # be painted a moment after the box is enabled.
        def screenshot_with_track_text():
            shot = self.session.screenshot()
            return shot if glyph_images(shot, track_text, dark) else None

        shot = wait_until(screenshot_with_track_text, 5, "text in the track box")
        r, g, b = shot.pixel(*again.in_panel(CHOICE_MARKS[1][0] + 6, CHOICE_MARKS[1][1] + 6))
        self.assertGreater(b, r + 60, "the audio-CD mark is not the selected one")

    def test_nowhere_to_write_says_so_and_keeps_the_dialog_open(self):
        self.block_file_beside_the_program()
        per_user_folder = self.per_user_settings()
        open(per_user_folder, "wb").close()  # a file where the per-user folder would go
        dialog = self.open_dialog()
        dialog.press(SET)
        box, text = self.wait_for_message_box()
        self.assertIn(windows_path(self.settings_path), text)
        self.dismiss_message_box(box)
        self.assertTrue(dialog.program.running)
        self.assertEqual(len(self.session.find_windows(title=DIALOG_TITLE)), 1)
        dialog.press(CANCEL)
        self.assertEqual(dialog.program.wait(10), 0)
        self.assertTrue(os.path.isfile(per_user_folder))


if __name__ == "__main__":
    unittest.main(verbosity=2)
