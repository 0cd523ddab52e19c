"""End-to-end tests of Miravel.scr /s under Wine: the renderer it starts, the music it plays while the
renderer runs, and its end once the renderer's window has gone.

Run by CTest, one test case per CTest test:
    python3 frontend_run_test.py MusicTest.test_wav_loops_until_the_renderer_ends
with MIRAVEL_WINE_SESSION and MIRAVEL_DIST set. The programs run under en_US.UTF-8, whose ANSI code
page is 1252: the MP3 file sits in a folder with a Japanese name, so the code page 932 path in the
settings file must reach the MCI device as the right characters.
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from frontend_support import (HOST_TITLE, RENDERER_TITLE, SAVER_CLASS, FrontEndTestCase,  # noqa: E402
                              make_tone, settings_bytes, sound_in, windows_path)
from harness import wait_until  # noqa: E402

TONE_SECONDS = 2
TONE_FREQUENCY = 440
FOLLOW_LIMIT_SECONDS = 0.2  # the front end's 50 ms watch, plus the end of a process
QUIET_WATCH_SECONDS = 3


class RunTestCase(FrontEndTestCase):
    locale = "en_US.UTF-8"

    def music_file(self, name, folder="music files"):
        folder = os.path.join(self.work_dir, folder)
        os.makedirs(folder, exist_ok=True)
        return os.path.join(folder, name)

    def end_with_a_key(self, front_end):
        """Presses a key: the renderer's window goes, then the front end follows. Returns how long after
        the window the front end's process ended."""
        watch = self.session.watch_window_gone(SAVER_CLASS, RENDERER_TITLE)
        self.session.key("space")
        gone_at = watch.wait(10)
        self.assertEqual(front_end.wait(10), 0)
        wait_until(lambda: not self.renderer_processes(), 10, "the renderer process to end")
        self.assertEqual(self.host_windows(), [])
        return front_end.ended_at - gone_at

    def assert_quiet(self, what):
        time.sleep(QUIET_WATCH_SECONDS)  # nothing to wait for: silence is the absence of an event
        seconds, _ = sound_in(self.capture)
        self.assertEqual(seconds, 0.0, f"{what}: sound was played")


class MusicTest(RunTestCase):
    def test_wav_loops_until_the_renderer_ends(self):
        # NOTE: Wine's sound player cannot open a file whose name falls outside the ANSI code page,
        # whatever the program passes; on Windows it can.
        tone = self.music_file("tone.wav")
        make_tone(tone, TONE_SECONDS, TONE_FREQUENCY)
        self.write_settings(settings_bytes(2, 0, windows_path(tone).encode("cp932")))
        started_at = time.time()
        front_end = self.start_front_end("/s")
        self.wait_for_renderer()
        print(f"renderer window drawing {time.time() - started_at:.2f} s after the start")
        hosts = self.host_windows()
        self.assertEqual(len(hosts), 1, "the front end is gone while the renderer runs")
        self.assertFalse(hosts[0].visible)

        seconds, frequency = self.wait_for_sound(3 * TONE_SECONDS, 20)
        print(f"captured {seconds:.1f} s of sound at about {frequency} Hz from a {TONE_SECONDS} s file")
        self.assertAlmostEqual(frequency, TONE_FREQUENCY, delta=20)

        delay = self.end_with_a_key(front_end)
        print(f"front end ended {delay * 1000:.0f} ms after the renderer's window")
        self.assertLess(delay, FOLLOW_LIMIT_SECONDS)
        after_end, _ = sound_in(self.capture)
        time.sleep(1)  # nothing to wait for: the check is that the capture stops growing
        self.assertEqual(sound_in(self.capture)[0], after_end, "sound went on after the end")

    def test_mp3_is_heard_again_after_it_ends(self):
        tone = self.music_file("tone.mp3", folder="音楽 フォルダ")
        make_tone(tone, TONE_SECONDS, TONE_FREQUENCY)
        self.write_settings(settings_bytes(2, 0, windows_path(tone).encode("cp932")))
        front_end = self.start_front_end("/s")
        self.wait_for_renderer()

        # One pass gives at most a little over the file's length (the encoder pads it); more is a second
        # pass. NOTE: Wine's MP3 playback into a device without pace comes in short pieces whose pitch
        # sox cannot tell, so only the amount is measured.
        seconds, _ = self.wait_for_sound(TONE_SECONDS + 1, 30)
        print(f"captured {seconds:.1f} s of sound from a {TONE_SECONDS} s file")
        self.end_with_a_key(front_end)


class SilentRunTest(RunTestCase):
    def test_audio_cd_without_a_drive_runs_silently_and_both_programs_end(self):
        self.write_settings(settings_bytes(1, 0))
        front_end = self.start_front_end("/s")
        self.wait_for_renderer()
        self.assert_quiet("audio CD without a drive")
        self.assertTrue(front_end.running)
        self.end_with_a_key(front_end)

    def test_no_music_without_settings_or_with_a_file_that_cannot_be_played(self):
        gone = self.music_file("deleted.wav")
        broken = self.music_file("broken.wav")
        with open(broken, "wb") as f:
            f.write(b"RIFF this is no sound at all")
        cases = {
            "no settings file": None,
            "deleted WAV file": settings_bytes(2, 0, windows_path(gone).encode("cp932")),
            "deleted MP3 file": settings_bytes(2, 0, windows_path(gone[:-3] + "mp3").encode("cp932")),
            "WAV file that cannot be played": settings_bytes(2, 0, windows_path(broken).encode("cp932")),
        }
        for case, settings in cases.items():
            with self.subTest(case):
                settings_path = os.path.join(self.work_dir, "Miravel.ini")
                if settings is None:
                    if os.path.exists(settings_path):
                        os.remove(settings_path)
                else:
                    self.write_settings(settings)
                if os.path.exists(self.capture):
                    os.remove(self.capture)
                front_end = self.start_front_end("/s")
                self.wait_for_renderer()
                self.assert_quiet(case)
                self.end_with_a_key(front_end)


class RendererWatchTest(RunTestCase):
    def test_front_end_waits_for_the_renderer_window_at_most_ten_seconds(self):
        # Started, but never shows a "Kestrova_VC" window: a program that ends at once.
        with open(os.path.join(os.environ["MIRAVEL_WINE_TOOLS"], "wintool.exe"), "rb") as source:
            with open(self.renderer, "wb") as target:
                target.write(source.read())
        started_at = time.time()
        front_end = self.start_front_end("/s")
        self.session.wait_for_window(title=HOST_TITLE, visible=False)
        time.sleep(8)  # the wait under test is a fixed time
        self.assertTrue(front_end.running, "the front end gave up on the renderer before 10 s")
        self.assertEqual(front_end.wait(10), 0)
        waited = front_end.ended_at - started_at
        print(f"front end ended {waited:.1f} s after its start without a renderer window")
        self.assertGreater(waited, 10)
        self.assertLess(waited, 13)

    def test_renderer_that_cannot_be_started_ends_the_front_end_at_once(self):
        with open(self.renderer, "wb") as f:
            f.write(b"not a program")
        started_at = time.time()
        front_end = self.start_front_end("/s")
        self.assertEqual(front_end.wait(10), 0)
        print(f"front end ended {front_end.ended_at - started_at:.2f} s after its start")
        self.assertLess(front_end.ended_at - started_at, 3)


if __name__ == "__main__":
    unittest.main(verbosity=2)
