"""Reads the layout of a Windows program file: headers, sections, symbol table and resources.

Used by the size check of the shipped programs, the size table in bench/ and the check of the
title's own files (what kind of program the player is)."""
import struct

RESOURCE_TYPES = {1: "cursor", 2: "bitmap", 3: "icon", 4: "menu", 5: "dialog", 6: "string table",
                  12: "cursor group", 14: "icon group", 16: "version", 24: "manifest"}


class Section:
    def __init__(self, name, virtual_size, rva, raw_size, raw_offset):
        self.name = name
        self.virtual_size = virtual_size
        self.rva = rva
        self.raw_size = raw_size
        self.raw_offset = raw_offset


class PeFile:
    """One program file. `mapped_bytes` is what the loader maps from the file: the headers and
    every section's raw data (the symbol table and anything after the last section are not)."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        if d[:2] != b"MZ":
            raise ValueError(f"{path}: not a program file")
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path}: no PE header")
        (self.machine, count, _, self.symbols_offset, symbol_count,
         optional_size, _) = struct.unpack_from("<HHIIIHH", d, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", d, optional)[0]
        self.is_64bit = magic == 0x20B
        self.headers_size = struct.unpack_from("<I", d, optional + 60)[0]
        directories = optional + (112 if self.is_64bit else 96)
        self.resource_rva, _ = struct.unpack_from("<II", d, directories + 2 * 8)
        strings = self.symbols_offset + 18 * symbol_count
        self.sections = []
        for i in range(count):
            at = optional + optional_size + 40 * i
            raw_name = d[at:at + 8].rstrip(b"\0").decode("latin-1")
            if raw_name.startswith("/") and self.symbols_offset:
                start = strings + int(raw_name[1:])
                raw_name = d[start:d.index(b"\0", start)].decode("latin-1")
            vsize, rva, raw_size, raw_offset = struct.unpack_from("<IIII", d, at + 8)
            self.sections.append(Section(raw_name, vsize, rva, raw_size, raw_offset))
        self.file_size = len(d)
        self.mapped_bytes = self.headers_size + sum(s.raw_size for s in self.sections)
        ends = [s.raw_offset + s.raw_size for s in self.sections if s.raw_size]
        self.unmapped_tail = self.file_size - max(ends + [self.headers_size])

    def _offset(self, rva):
        for s in self.sections:
            if s.rva <= rva < s.rva + max(s.raw_size, s.virtual_size):
                return s.raw_offset + rva - s.rva
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def _directory(self, at):
        named, numbered = struct.unpack_from("<HH", self.data, at + 12)
        for i in range(named + numbered):
            key, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
            if key & 0x80000000:
                name_at = self._root + (key & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, name_at)[0]
                key = self.data[name_at + 2:name_at + 2 + 2 * length].decode("utf-16-le")
            yield key, target

    def resources(self):
        """(type, name, bytes) of every resource, type and name as numbers or texts."""
        if not self.resource_rva:
            return []
        self._root = self._offset(self.resource_rva)
        found = []
        for rtype, types in self._directory(self._root):
            for name, names in self._directory(self._root + (types & 0x7FFFFFFF)):
                for _, entry in self._directory(self._root + (names & 0x7FFFFFFF)):
                    size = struct.unpack_from("<I", self.data, self._root + entry + 4)[0]
                    found.append((rtype, name, size))
        return found

    def resource_size(self, rtype, name):
        """Bytes of one resource (all its languages), 0 when the file has none of that id."""
        return sum(size for t, n, size in self.resources() if t == rtype and n == name)


MACHINE_I386 = 0x14C
SUBSYSTEM_WINDOWS_GUI = 2
FILE_DLL = 0x2000


class ProgramKind:
    def __init__(self, machine, is_64bit, subsystem, is_dll):
        self.machine = machine
        self.is_64bit = is_64bit
        self.subsystem = subsystem
        self.is_dll = is_dll

    @property
    def is_32bit(self):
        return self.machine == MACHINE_I386 and not self.is_64bit


def read_program_kind(path):
    """Processor, word size, subsystem and DLL flag from the headers alone, so a large file is not
    read whole. Raises ValueError saying what the file is when it is no 32- or 64-bit program."""
    with open(path, "rb") as f:
        dos = f.read(64)
        if len(dos) < 2 or dos[:2] != b"MZ":
            raise ValueError("not a program file")
        if len(dos) < 64:
            raise ValueError("an MS-DOS program")
        at = struct.unpack_from("<I", dos, 0x3C)[0]
        f.seek(at)
        head = f.read(24 + 70)
    signature = head[:4]
    if signature[:2] == b"NE":
        raise ValueError("a 16-bit Windows program")
    if signature[:2] in (b"LE", b"LX"):
        raise ValueError("a virtual device driver or an OS/2 program")
    if signature != b"PE\0\0":
        raise ValueError("an MS-DOS program")
    if len(head) < 24 + 70:
        raise ValueError("a program file cut short")
    machine, _, _, _, _, optional_size, characteristics = struct.unpack_from("<HHIIIHH", head, 4)
    magic = struct.unpack_from("<H", head, 24)[0]
    if optional_size < 70 or magic not in (0x10B, 0x20B):
        raise ValueError("a program file with a damaged header")
    subsystem = struct.unpack_from("<H", head, 24 + 68)[0]
    return ProgramKind(machine, magic == 0x20B, subsystem, bool(characteristics & FILE_DLL))
