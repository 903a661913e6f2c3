#!/usr/bin/env python3
"""Checks a folder of the title's own files before a disc is laid out from it, and names the files
that go on the disc. The folder holds them as the disc does:
    BRINDMOR.EXE        the title's player: a 32-bit Windows GUI program
    BRINDMOR.WRI        the help document
    data/install.qkt    the data file Setup copies: 1 byte to 4 GiB - 1
    VUVEDA.DLL          the engine library, beside the player (only when the title has one)
and nothing else, so that nothing meant for the disc is left off it unseen.
  title_files.py FOLDER   prints what is wrong, one line each, and exits 1; or prints the files'
                          paths in the folder, one a line, and exits 0
DISC_CAPACITY (bytes, default an 80-minute CD-R) is what the files may take together."""
import os
import stat
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pe_file  # noqa: E402

PLAYER, HELP, DATA, ENGINE = "BRINDMOR.EXE", "BRINDMOR.WRI", "data/install.qkt", "VUVEDA.DLL"
REQUIRED = (PLAYER, HELP, DATA)
OPTIONAL = (ENGINE,)
# Setup copies the data file with a 32-bit byte count.
LARGEST_DATA_FILE = 0xFFFFFFFF
SECTOR = 2048
# 80 minutes of 75 sectors a second: the "700 MB" CD-R.
CD_R_BYTES = 80 * 60 * 75 * SECTOR


def capacity():
    """DISC_CAPACITY when set (make_disc refuses one that is not a number), else a CD-R's."""
    value = os.environ.get("DISC_CAPACITY", "")
    return int(value) if value.isdigit() else CD_R_BYTES


def _readable(path):
    """None when the first bytes can be read, else why not."""
    try:
        with open(path, "rb") as f:
            f.read(1)
        return None
    except OSError as e:
        return f"cannot be read: {e.strerror}"


def _program_problem(path, want_dll):
    what = "a 32-bit Windows DLL" if want_dll else "a 32-bit Windows GUI program"
    try:
        kind = pe_file.read_program_kind(path)
    except ValueError as e:
        return f"{e}, not {what}"
    if not kind.is_32bit:
        return f"a {'64-bit' if kind.is_64bit else 'non-x86'} program, not {what}"
    if kind.is_dll != want_dll:
        return f"{'a DLL' if kind.is_dll else 'a program'}, not {what}"
    if not want_dll and kind.subsystem != pe_file.SUBSYSTEM_WINDOWS_GUI:
        return f"a console or non-GUI program (subsystem {kind.subsystem}), not {what}"
    return None


def _unexpected(folder):
    """Entries of the folder that are not the title's files, as paths in the folder."""
    known = set(REQUIRED + OPTIONAL)
    found = []
    for top, dirs, files in os.walk(folder):
        rel_top = os.path.relpath(top, folder)
        for name in sorted(files) + sorted(d for d in dirs if d != "data" or rel_top != "."):
            rel = name if rel_top == "." else f"{rel_top}/{name}"
            if rel not in known:
                found.append(rel)
        dirs[:] = [d for d in dirs if d == "data" and rel_top == "."]
    return found


def check(folder, limit=None):
    """(problems, files): what is wrong, one text each, and the paths in the folder of the files
    that go on the disc."""
    limit = capacity() if limit is None else limit
    if not os.path.isdir(folder):
        return [f"{folder}: no such folder"], []
    problems, files, total = [], [], 0
    for rel in REQUIRED + OPTIONAL:
        path = os.path.join(folder, rel)
        try:
            info = os.stat(path)
        except OSError:
            if rel in REQUIRED:
                problems.append(f"{path}: missing")
            continue
        if not stat.S_ISREG(info.st_mode):
            problems.append(f"{path}: not a file")
            continue
        why = _readable(path)
        if why is None and rel == DATA:
            if info.st_size == 0:
                why = "empty"
            elif info.st_size > LARGEST_DATA_FILE:
                why = (f"{info.st_size:,} bytes, more than Setup can copy "
                       f"({LARGEST_DATA_FILE:,} bytes, 4 GiB - 1)")
        if why is None and rel in (PLAYER, ENGINE):
            why = _program_problem(path, want_dll=rel == ENGINE)
        if why is not None:
            problems.append(f"{path}: {why}")
            continue
        files.append(rel)
        total += -(-info.st_size // SECTOR) * SECTOR
    known = {n.upper(): n for n in REQUIRED + OPTIONAL}
    for rel in _unexpected(folder):
        hint = f"; the disc's name is {known[rel.upper()]}" if rel.upper() in known else ""
        problems.append(f"{os.path.join(folder, rel)}: not one of the title's files "
                        f"({', '.join(REQUIRED + OPTIONAL)}){hint}")
    if total > limit:
        problems.append(f"{folder}: the files take {total:,} bytes on a disc, more than the "
                        f"{limit:,} a CD-R holds")
    return problems, files if not problems else []


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: title_files.py FOLDER")
    problems, files = check(argv[1])
    for problem in problems:
        print(problem, file=sys.stderr)
    for rel in files:
        print(rel)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
