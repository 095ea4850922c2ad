"""VexlorKit in a program folder of a test's own, and what the stand-in emulator
(tests/standin) reports when VexlorKit starts it.

The program keeps its settings file beside its own file, found through
/proc/self/exe, so it is copied into the folder: a link would not move it.
The build's paths come from the environment that ctest sets: VEXLORKIT_PROGRAM
and VEXLOR_STANDIN.
"""

import os
import shutil

from desktop import wait_until

STANDIN = os.environ["VEXLOR_STANDIN"]


class ProgramFolder:
    def __init__(self, folder):
        self.path = os.path.join(folder, "program")
        os.makedirs(self.path)
        self.program = os.path.join(self.path, "VexlorKit")
        shutil.copy2(os.environ["VEXLORKIT_PROGRAM"], self.program)
        self.ini_path = os.path.join(self.path, "VexlorKit.ini")
        self.report_path = os.path.join(folder, "standin.report")

    def write_ini(self, text):
        with open(self.ini_path, "w", encoding="utf-8") as file:
            file.write(text)

    def ini_sections(self):
        """The settings file as [(section, {key: value})], in the file's order."""
        sections = []
        with open(self.ini_path, encoding="utf-8") as file:
            for line in file.read().splitlines():
                if line.startswith("[") and line.endswith("]"):
                    sections.append((line[1:-1], {}))
                elif "=" in line and sections:
                    key, value = line.split("=", 1)
                    sections[-1][1][key] = value
        return sections

    def ini_value(self, section, key):
        return dict(self.ini_sections())[section][key]

    def start(self, desktop):
        """Starts the program from its folder, with the stand-in's report going to report_path."""
        return desktop.spawn([self.program], "VexlorKit.log", cwd=self.path, VEXLOR_STANDIN_REPORT=self.report_path)


def wait_for_exit(process):
    wait_until(lambda: process.poll() is not None, "VexlorKit to end")
    return process.returncode


def read_standin_report(path):
    """The stand-in's report as {key: [values]}, or None while there is none.

    The stand-in writes "<key> <byte count>\\n<bytes>\\n" fields, and renames the
    whole report into place, so a report that exists is complete.
    """
    try:
        with open(path, "rb") as file:
            data = file.read()
    except FileNotFoundError:
        return None
    fields = {}
    at = 0
    while at < len(data):
        header_end = data.index(b"\n", at)
        key, length = data[at:header_end].split(b" ")
        start = header_end + 1
        end = start + int(length)
        fields.setdefault(key.decode(), []).append(data[start:end])
        at = end + 1
    return fields


def wait_for_standin_report(path):
    return wait_until(lambda: read_standin_report(path), "the stand-in emulator's report")
