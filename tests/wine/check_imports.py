"""Checks that Windows programs import only DLLs every Windows installation has.

    python3 check_imports.py --objdump x86_64-w64-mingw32-objdump dist/Miravel.dll [...]

A MinGW build that is not fully static needs libstdc++-6.dll, libgcc_s_seh-1.dll or
libwinpthread-1.dll beside it, which a user's machine does not have.
"""

import argparse
import re
import subprocess
import sys
import unittest

SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "glu32.dll", "imm32.dll", "kernel32.dll",
    "msimg32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "opengl32.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll",
}


def imported_dlls(objdump, path):
    out = subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout
    return [name.lower() for name in re.findall(r"DLL Name:\s*(\S+)", out)]


class ImportsTest(unittest.TestCase):
    objdump = None
    programs = []

    def test_programs_import_only_system_dlls(self):
        for path in self.programs:
            with self.subTest(program=path):
                dlls = imported_dlls(self.objdump, path)
                self.assertIn("kernel32.dll", dlls, "objdump listed no imports")
                self.assertEqual([dll for dll in dlls if dll not in SYSTEM_DLLS], [])


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--objdump", required=True)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    ImportsTest.objdump = args.objdump
    ImportsTest.programs = args.programs
    unittest.main(argv=sys.argv[:1], verbosity=2)
