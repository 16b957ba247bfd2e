#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the built-in lessons: one task file per row of lessons.json, written by zelmora-script
so that every file is exactly what the board saves for that goal, prompt and starting board.

    make_lessons.py [--driver PATH] [--launcher PROGRAM]           writes lessons/<id>.zelmora
    make_lessons.py [--driver PATH] [--launcher PROGRAM] --check   fails when they differ

The table is checked first, whole: a lesson the board would refuse is never half written."""

import argparse
import json
import pathlib
import re
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent
GUIDE = ROOT / "assets" / "guide" / "guide.html"
KINDS = {"multiply", "factor", "simplify", "solve"}
BOARDS = ("frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5")
LESSONS_PER_BOARD = 8
# The band shows at most this many bytes of a prompt.
PROMPT_MAX_BYTES = 500
ID = re.compile(r"[a-z0-9][a-z0-9-]*")


class TableError(Exception):
    pass


def guide_anchors():
    return set(re.findall(r'<a name="([^"]+)"', GUIDE.read_text(encoding="utf-8")))


def check_prompt(lesson):
    prompt = lesson.get("prompt", "")
    if not isinstance(prompt, str) or not prompt.strip():
        raise TableError(f"{lesson['id']}: the prompt is empty")
    if len(prompt.encode("utf-8")) > PROMPT_MAX_BYTES:
        raise TableError(f"{lesson['id']}: the prompt is longer than the band shows")
    # A script line ends at "#" and runs blanks together: the prompt must come through unchanged.
    if "#" in prompt or prompt != " ".join(prompt.split()):
        raise TableError(f"{lesson['id']}: the prompt is not one line of words with single blanks and no #")


def check_table(table):
    anchors = guide_anchors()
    windows = [board.get("window") for board in table.get("boards", [])]
    if sorted(windows) != sorted(BOARDS):
        raise TableError(f"the table lists the boards {windows}, not each of {list(BOARDS)} once")
    seen = set()
    for board in table["boards"]:
        lessons = board.get("lessons", [])
        if len(lessons) < LESSONS_PER_BOARD:
            raise TableError(f"{board['window']} has {len(lessons)} lessons, fewer than {LESSONS_PER_BOARD}")
        for lesson in lessons:
            ident = lesson.get("id", "")
            if not isinstance(ident, str) or not ID.fullmatch(ident):
                raise TableError(f"lesson id {ident!r} is no plain file name")
            if ident in seen:
                raise TableError(f"lesson id {ident} is used twice")
            seen.add(ident)
            if not str(lesson.get("title", "")).strip():
                raise TableError(f"{ident}: the title is empty")
            check_prompt(lesson)
            if lesson.get("kind") not in KINDS:
                raise TableError(f"{ident}: no kind of goal is named {lesson.get('kind')!r}")
            expression = lesson.get("expression", "")
            if not isinstance(expression, str) or not expression.strip() or "#" in expression:
                raise TableError(f"{ident}: the expression is empty or holds #")
            if lesson.get("guide") not in anchors:
                raise TableError(f"{ident}: the guide has no section {lesson.get('guide')!r}")
            setup = lesson.get("setup")
            if setup is not None and not (isinstance(setup, str) and ID.fullmatch(setup)
                                          and (HERE / "setup" / f"{setup}.zs").is_file()):
                raise TableError(f"{ident}: no setup fragment lessons/setup/{setup}.zs")


def lesson_script(window, lesson):
    lines = ["start", f"open {window}"]
    if lesson.get("setup"):
        lines += (HERE / "setup" / f"{lesson['setup']}.zs").read_text(encoding="utf-8").splitlines()
    lines += [
        f"goal {window} {lesson['kind']} {lesson['expression']}",
        f"prompt {window} {lesson['prompt']}",
        f"save {window} {lesson['id']}.zelmora",
    ]
    return "\n".join(lines) + "\n"


def make(table, driver, launcher, folder):
    """Writes every lesson's task file into folder; the names of the files written."""
    written = []
    for board in table["boards"]:
        for lesson in board["lessons"]:
            script = folder / f"{lesson['id']}.zs"
            script.write_text(lesson_script(board["window"], lesson), encoding="utf-8")
            run = subprocess.run(launcher + [str(driver), script.name], cwd=folder,
                                 capture_output=True, text=True)
            script.unlink()
            # The script prints nothing unless the board refuses the goal or the prompt.
            if run.returncode != 0 or run.stdout:
                raise TableError(f"{lesson['id']}: the board refused it:\n{run.stdout}{run.stderr}")
            saved = json.loads((folder / f"{lesson['id']}.zelmora").read_text(encoding="utf-8"))
            if saved.get("task", {}).get("prompt") != lesson["prompt"]:
                raise TableError(f"{lesson['id']}: the task file does not hold the prompt")
            written.append(f"{lesson['id']}.zelmora")
    return written


def differences(fresh, names):
    committed = {path.name for path in HERE.glob("*.zelmora")}
    found = [f"lessons/{name} is not in the table" for name in sorted(committed - set(names))]
    for name in names:
        if name not in committed:
            found.append(f"lessons/{name} is missing")
        elif (HERE / name).read_bytes() != (fresh / name).read_bytes():
            found.append(f"lessons/{name} differs from what the table makes")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--driver", default=str(ROOT / "build" / "tools" / "zelmora-script"))
    parser.add_argument("--launcher", default="", help="runs the driver, e.g. node for the browser build's")
    parser.add_argument("--check", action="store_true", help="fail when the committed files differ")
    args = parser.parse_args()
    launcher = [args.launcher] if args.launcher else []
    try:
        table = json.loads((HERE / "lessons.json").read_text(encoding="utf-8"))
        check_table(table)
        with tempfile.TemporaryDirectory() as folder:
            fresh = pathlib.Path(folder)
            names = make(table, args.driver, launcher, fresh)
            if args.check:
                found = differences(fresh, names)
                if found:
                    raise TableError("\n".join(found) + "\nrun lessons/make_lessons.py and commit what it writes")
            else:
                for name in names:
                    (HERE / name).write_bytes((fresh / name).read_bytes())
    except (TableError, OSError, ValueError, KeyError) as problem:
        print(f"make_lessons.py: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
