#!/usr/bin/env python3
"""The folder include check on small source trees: it passes what the layers allow and names the
file and the include of everything else."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = Path(__file__).resolve().parents[2] / "scripts" / "check_folder_includes.py"

# Every tree also holds these, each including nothing.
HEADERS = ["platform/code_page.h", "camera/session.h", "ui/context.h", "login/login_window.h",
           "app/main.h", "k47_4g_pc/k47_4g_pc.h", "k47_4g_pc/emulated_camera.h"]

# A source file and what it includes; the lines the check prints, none when it passes.
CASES = [
    ("settings/window.cpp", ["context.h", "session.h", "code_page.h"], []),
    ("camera/library.cpp", ["k47_4g_pc.h"], []),
    ("app/main.cpp", ["login_window.h", "context.h", "../camera/session.h"], []),
    ("settings/window.cpp", ["main.h"],
     ["settings/window.cpp includes main.h of app/"]),
    ("ui/seam.h", ["login_window.h"], ["ui/seam.h includes login_window.h of login/"]),
    ("platform/utf8.cpp", ["session.h"], ["platform/utf8.cpp includes session.h of camera/"]),
    ("camera/scan.cpp", ["../login/login_window.h"],
     ["camera/scan.cpp includes ../login/login_window.h of login/"]),
    ("camera/library.cpp", ["emulated_camera.h"],
     ["camera/library.cpp includes emulated_camera.h of k47_4g_pc/, which offers only"]),
    ("cli/context.h", [], ["context.h is in both"]),
    ("settings/panel.cpp", ["<QComboBox>"], []),
    ("window_logic/group.cpp", ["<QString>"],
     ["window_logic/group.cpp includes <QString>; window_logic/ knows no Qt"]),
]


class FolderIncludeCheckTest(unittest.TestCase):
    def test_cases(self):
        for source, includes, faults in CASES:
            with self.subTest(source=source, includes=includes), \
                    tempfile.TemporaryDirectory() as root:
                for header in HEADERS + [source]:
                    (Path(root) / header).parent.mkdir(parents=True, exist_ok=True)
                    (Path(root) / header).write_text("#pragma once\n")
                (Path(root) / source).write_text(
                    "".join(f"#include {name}\n" if name.startswith("<") else
                            f'#include "{name}"\n' for name in includes))
                run = subprocess.run([sys.executable, CHECK, root], capture_output=True,
                                     text=True)
                lines = run.stdout.splitlines()
                self.assertEqual(run.returncode, 1 if faults else 0, run.stdout)
                self.assertEqual(len(lines), len(faults), run.stdout)
                for line, fault in zip(lines, faults):
                    self.assertTrue(line.startswith(fault), line)


if __name__ == "__main__":
    unittest.main()
