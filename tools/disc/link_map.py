"""Reads the linker's map of a program: which object of which library put how many bytes into which
section of the program. Used by the size check and by the size table in bench/."""
import os
import re

OUTPUT_SECTION = re.compile(r"^(\S+)(?:\s+0x[0-9a-f]+\s+0x[0-9a-f]+)?\s*$")
INPUT_SECTION = re.compile(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*?)\s*$")
MEMBER = re.compile(r"^(.*?)\(([^()]+)\)$")
RUNTIME_PREFIX = re.compile(r"^lib(32|64)_lib\w+?_a-")
# Words of the linker script that put a few bytes of its own between the input sections.
FILLERS = {"BYTE", "SHORT", "LONG", "QUAD", "FILL"}


class Piece:
    def __init__(self, section, size, library, member):
        self.section = section  # the program's section: .text, .rdata, .eh_frame, ...
        self.size = size
        self.library = library  # archive file name, or the object file's own name
        self.member = member  # object inside the archive; None for a plain object file

    @property
    def short_member(self):
        """The member's own name: the runtime's members repeat their archive's name, as in
        lib32_libmingwex_a-gdtoa.o."""
        return RUNTIME_PREFIX.sub("", self.member) if self.member else None

    @property
    def object_name(self):
        return f"{self.library}({self.short_member})" if self.member else self.library


def read_map(path):
    """Every input section with bytes in the linked program, as Pieces."""
    pieces = []
    section = None
    in_memory_map = False
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.rstrip("\n")
            if not in_memory_map:
                in_memory_map = line.startswith("Linker script and memory map")
                continue
            if line.startswith("/DISCARD/"):
                section = None
                continue
            if line and not line[0].isspace():
                m = OUTPUT_SECTION.match(line)
                section = m.group(1) if m and m.group(1).startswith(".") else None
                continue
            m = INPUT_SECTION.match(line)
            if not m or section is None:
                continue
            size, origin = int(m.group(3), 16), m.group(4)
            if size == 0 or origin.startswith(("0x", "*")) or origin.split()[0] in FILLERS:
                continue
            if origin == "dll stuff":
                origin = "base relocations made by the linker"
            member = MEMBER.match(origin)
            if member:
                library, name = os.path.basename(member.group(1)), member.group(2)
            else:
                library, name = os.path.basename(origin), None
            pieces.append(Piece(section, size, library, name))
    return pieces
