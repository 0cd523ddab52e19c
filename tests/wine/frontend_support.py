"""What the end-to-end tests of Miravel.scr share: a work folder holding the programs and the settings
file, the windows they look for, and the measuring of captured sound with sox."""

import glob
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import WineTestCase, wait_until  # noqa: E402

SAVER_CLASS = "WindowsScreenSaverClass"
RENDERER_TITLE = "Kestrova_VC"
HOST_TITLE = "Kestrova_Main"
MESSAGE_BOX_TITLE = "Miravel (ScreenSaver)"
RENDERER_MISSING_TEXT = "Miravel.dll が Miravel.scr と同じﾌｫﾙﾀﾞに見つかりません！"
AWAY = (3, 3)  # a screen corner no window covers

KIND_KEY = "BGM区分".encode("cp932")
TRACK_KEY = "BGMﾘﾋﾟｰﾄ".encode("cp932")
FILE_KEY = "BGMﾌｧｲﾙ".encode("cp932")

SAMPLE_RATE = 44100
RAW_FORMAT = ["-t", "raw", "-r", str(SAMPLE_RATE), "-e", "signed", "-b", "16", "-c", "2"]


def settings_bytes(kind, track=0, path=b""):
    return (b"[Section]\r\n" + KIND_KEY + b"=" + str(kind).encode() + b"\r\n" + TRACK_KEY + b"=" +
            str(track).encode() + b"\r\n" + FILE_KEY + b"=" + path + b"\r\n")


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def make_tone(path, seconds, frequency=440):
    """A stereo sine at 44.1 kHz; an .mp3 path gets it through lame."""
    wav = path if path.endswith(".wav") else path + ".wav"
    subprocess.run(["sox", "-n", "-r", str(SAMPLE_RATE), "-b", "16", "-c", "2", wav, "synth", str(seconds), "sine",
                    str(frequency), "vol", "0.5"], check=True, capture_output=True)
    if wav != path:
        subprocess.run(["lame", "--quiet", wav, path], check=True, capture_output=True)
        os.remove(wav)


def sound_in(capture):
    """Seconds of sound left in the capture once every quiet stretch is cut out, and the rough frequency
    of that sound. The capture's length says nothing: its device keeps no pace and writes silence too."""
    if not os.path.exists(capture) or os.path.getsize(capture) < 4:
        return 0.0, 0
    # One channel: sox guesses the frequency of interleaved stereo samples wrongly.
    result = subprocess.run(["sox", *RAW_FORMAT, capture, "-n", "remix", "1", "silence", "1", "0.01", "1%", "-1", "0.01",
                             "1%", "stat"], capture_output=True, text=True)
    length = re.search(r"Length \(seconds\):\s+([0-9.]+)", result.stderr)
    frequency = re.search(r"Rough\s+frequency:\s+(-?[0-9]+)", result.stderr)
    seconds = float(length.group(1)) if length else 0.0
    return seconds, int(frequency.group(1)) if frequency and seconds > 0 else 0


class FrontEndTestCase(WineTestCase):
    """Each test runs its own copies of the programs from its work folder, with its own settings file."""

    locale = None  # the session's own
    with_renderer = True

    def setUp(self):
        super().setUp()
        if self.locale is not None:
            self.session.env.update(LANG=self.locale, LC_ALL=self.locale)
        names = ("Miravel.scr", "Miravel.dll") if self.with_renderer else ("Miravel.scr",)
        for name in names:
            shutil.copy(os.path.join(os.environ["MIRAVEL_DIST"], name), self.work_dir)
        self.scr = os.path.join(self.work_dir, "Miravel.scr")
        self.renderer = os.path.join(self.work_dir, "Miravel.dll")
        self.capture = os.path.join(self.work_dir, "capture.raw")
        self.capture_sound()
        self.remove_per_user_settings()
        self.session.move_to(*AWAY)

    def remove_per_user_settings(self):
        # Read before the file beside the program; another test's would decide this one's music.
        for path in glob.glob(os.path.join(self.session.prefix, "drive_c", "users", "*", "AppData", "Roaming",
                                           "Miravel", "Miravel.ini")):
            os.remove(path)

    def write_settings(self, data):
        with open(os.path.join(self.work_dir, "Miravel.ini"), "wb") as f:
            f.write(data)

    def start_front_end(self, *args):
        """Starts Miravel.scr; everything it and the renderer play goes to the capture file."""
        return self.session.start(self.scr, *args)

    def capture_sound(self):
        # The players open the device in formats of their own (the MP3 decoder in 32-bit floats); a
        # conversion in front of the file makes every capture 16-bit stereo at 44.1 kHz.
        config = os.path.join(self.work_dir, "capture.alsa.conf")
        with open(config, "w") as f:
            f.write("</usr/share/alsa/alsa.conf>\n"
                    "pcm.!default { type plug; slave { pcm \"capture\"; format S16_LE; rate %d; channels 2 } }\n"
                    "pcm.capture { type file; slave.pcm \"null\"; file \"%s\"; format \"raw\" }\n"
                    "ctl.!default { type hw card 0 }\n" % (SAMPLE_RATE, self.capture))
        self.session.env["ALSA_CONFIG_PATH"] = config

    def wait_for_renderer(self):
        """The renderer's window, once it has the focus and has drawn twice (its start-up messages handled)."""
        window = self.session.wait_for_window(SAVER_CLASS, RENDERER_TITLE, visible=True, foreground=True,
                                              timeout=30)
        self.session.wait_for_screen_changes(2)
        return window

    def host_windows(self):
        return self.session.find_windows(title=HOST_TITLE)

    def renderer_processes(self):
        """Renderer processes started from this test's folder, by their command lines."""
        path = windows_path(self.renderer).lower().encode()
        found = []
        for cmdline in glob.glob("/proc/[0-9]*/cmdline"):
            try:
                with open(cmdline, "rb") as f:
                    if path in f.read().lower():
                        found.append(cmdline)
            except OSError:
                pass
        return found

    def wait_for_sound(self, seconds, timeout):
        """Waits until the capture holds `seconds` of sound; returns (seconds, rough frequency)."""
        return wait_until(lambda: (lambda s: s if s[0] >= seconds else None)(sound_in(self.capture)), timeout,
                          f"{seconds} s of sound in the capture")
