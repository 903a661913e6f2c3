#!/usr/bin/env python3
"""A disc made from a folder of the title's own files: a good folder gives both discs and images
holding exactly its files, every bad folder is refused with a message naming what is wrong and
leaves no disc behind, and the same sources and date give the same image.
  title_files_test.py SOURCE_DIR WINDOWS_BUILD_DIR"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

SOURCE, WINBUILD = (sys.argv[1:3] + [None, None])[:2] if __name__ == "__main__" else (None, None)
NOBODY = 65534


def write_program(path, machine=0x14C, magic=0x10B, subsystem=2, dll=False, signature=b"PE\0\0"):
    """The headers of a Windows program, as far as a reader of its kind looks."""
    optional_size = 224 if magic == 0x10B else 240
    characteristics = 0x0102 | (0x2000 if dll else 0)
    dos = bytearray(64)
    dos[:2] = b"MZ"
    struct.pack_into("<I", dos, 0x3C, 64)
    head = signature + struct.pack("<HHIIIHH", machine, 0, 0, 0, 0, optional_size, characteristics)
    optional = bytearray(optional_size)
    struct.pack_into("<H", optional, 0, magic)
    struct.pack_into("<H", optional, 68, subsystem)
    with open(path, "wb") as f:
        f.write(bytes(dos) + head + bytes(optional))


def sparse(path, size):
    with open(path, "wb") as f:
        f.truncate(size)


class TitleDisc(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix="title-files-")
        os.chmod(self.tmp, 0o755)
        self.folder = os.path.join(self.tmp, "title")
        self.dist = os.path.join(self.tmp, "dist")
        os.makedirs(os.path.join(self.folder, "data"))
        shutil.copy(os.path.join(WINBUILD, "BRINDMOR.EXE"), self.folder)  # the stand-in player
        with open(os.path.join(self.folder, "BRINDMOR.WRI"), "wb") as f:
            f.write(b"{\\rtf1 the title's help}")
        with open(os.path.join(self.folder, "data", "install.qkt"), "wb") as f:
            f.write(os.urandom(300 * 1024 + 7))
        write_program(os.path.join(self.folder, "VUVEDA.DLL"), dll=True)
        self.env = {k: v for k, v in os.environ.items() if not k.startswith("BRINDLE_SIGN_")}
        self.env["SOURCE_DATE_EPOCH"] = "1000000000"
        self.env.pop("DISC_CAPACITY", None)

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def path(self, rel):
        return os.path.join(self.folder, rel)

    def make_disc(self, *extra, dist=None, env=None, user=None):
        dist = dist or self.dist
        command = [os.path.join(SOURCE, "tools/disc/make_disc"), WINBUILD, dist,
                   "--title", self.folder, *extra]
        return subprocess.run(command, env=env or self.env, capture_output=True, text=True,
                              user=user, timeout=120)

    def compare(self, disc, expected):
        result = subprocess.run([os.path.join(SOURCE, "tools/disc/compare_disc"), disc, expected],
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(0, result.returncode, result.stderr)

    def expect_refused(self, why, status=1, **run):
        result = self.make_disc(**run)
        self.assertEqual(status, result.returncode, result.stderr)
        self.assertIn(why, result.stderr)
        self.assertFalse(os.path.exists(os.path.join(self.dist, "disc")), "a refused disc was left")
        self.assertFalse(os.path.exists(os.path.join(self.dist, "brindlemoor.iso")))
        self.assertFalse(os.path.exists(os.path.join(self.dist, "brindlemoor.iso.part")))
        return result.stderr

    def test_a_good_folder_makes_both_discs_holding_exactly_its_files(self):
        expected = os.path.join(self.tmp, "expected")
        for variant, suffix in (((), ""), (("--variant", "de-en"), "-de-en")):
            # The title's files, our two programs of that disc, and nothing else.
            shutil.rmtree(expected, ignore_errors=True)
            shutil.copytree(self.folder, expected)
            programs = os.path.join(WINBUILD, suffix[1:])
            shutil.copy(os.path.join(programs, "RBRINDMOR.EXE"), expected)
            shutil.copy(os.path.join(programs, "BRINDDEL.EXE"), os.path.join(expected, "brindd95.exe"))
            with open(os.path.join(expected, "autorun.inf"), "wb") as f:
                f.write(b"[autorun]\r\nopen=RBRINDMOR.EXE\r\nicon=RBRINDMOR.EXE,0\r\n")
            result = self.make_disc(*variant)
            self.assertEqual(0, result.returncode, result.stderr)
            self.compare(os.path.join(self.dist, "disc" + suffix), expected)
            self.compare(os.path.join(self.dist, f"brindlemoor{suffix}.iso"), expected)
        # The engine library is the title's to bring or not.
        os.remove(self.path("VUVEDA.DLL"))
        os.remove(os.path.join(expected, "VUVEDA.DLL"))
        self.assertEqual(0, self.make_disc("--variant", "de-en").returncode)
        self.compare(os.path.join(self.dist, "brindlemoor-de-en.iso"), expected)

    def test_each_bad_folder_is_refused_with_what_is_wrong(self):
        def remove(rel):
            return lambda: os.remove(self.path(rel))

        def replace_with_folder(rel):
            return lambda: (os.remove(self.path(rel)), os.mkdir(self.path(rel)))

        def program(rel, **kind):
            return lambda: write_program(self.path(rel), **kind)

        def write(rel, data):
            def spoil():
                with open(self.path(rel), "wb") as f:
                    f.write(data)
            return spoil

        largest = (1 << 32) - 1
        cases = [
            (remove("BRINDMOR.EXE"), "BRINDMOR.EXE: missing"),
            (remove("BRINDMOR.WRI"), "BRINDMOR.WRI: missing"),
            (remove("data/install.qkt"), "install.qkt: missing"),
            (replace_with_folder("BRINDMOR.WRI"), "BRINDMOR.WRI: not a file"),
            (write("data/install.qkt", b""), "install.qkt: empty"),
            (lambda: sparse(self.path("data/install.qkt"), largest + 1),
             "4,294,967,296 bytes, more than Setup can copy (4,294,967,295 bytes"),
            (program("BRINDMOR.EXE", machine=0x8664, magic=0x20B),
             "BRINDMOR.EXE: a 64-bit program, not a 32-bit Windows GUI program"),
            (program("BRINDMOR.EXE", subsystem=3), "BRINDMOR.EXE: a console or non-GUI program"),
            (program("BRINDMOR.EXE", dll=True), "BRINDMOR.EXE: a DLL, not"),
            (program("BRINDMOR.EXE", signature=b"NE\0\0"),
             "BRINDMOR.EXE: a 16-bit Windows program, not"),
            (write("BRINDMOR.EXE", b"@echo off\r\n"), "BRINDMOR.EXE: not a program file"),
            (program("VUVEDA.DLL"), "VUVEDA.DLL: a program, not a 32-bit Windows DLL"),
            (write("README.TXT", b"notes"), "README.TXT: not one of the title's files"),
            (lambda: os.mkdir(self.path("data/extra")), "data/extra: not one of the title's files"),
            (lambda: os.rename(self.path("BRINDMOR.WRI"), self.path("Brindmor.wri")),
             "Brindmor.wri: not one of the title's files (BRINDMOR.EXE, BRINDMOR.WRI, "
             "data/install.qkt, VUVEDA.DLL); the disc's name is BRINDMOR.WRI"),
            # The largest data file Setup copies passes its own check, but no CD-R holds it.
            (lambda: sparse(self.path("data/install.qkt"), largest),
             "bytes on a disc, more than the 737,280,000 a CD-R holds"),
        ]
        for spoil, why in cases:
            with self.subTest(why=why):
                self.tearDown()
                self.setUp()
                spoil()
                said = self.expect_refused(why)
                if "CD-R" in why:
                    self.assertNotIn("more than Setup can copy", said)
        self.assertIn("no such folder", self.make_disc(
            "--title", os.path.join(self.tmp, "nowhere")).stderr)

    def test_an_unreadable_file_is_named(self):
        os.chmod(self.path("data/install.qkt"), 0)
        for folder in (self.folder, os.path.join(self.folder, "data")):
            os.chmod(folder, 0o755)
        os.chmod(self.tmp, 0o777)  # where the other user's make_disc writes
        # Root reads any file, so the check runs as a user who cannot.
        self.expect_refused("install.qkt: cannot be read: Permission denied",
                            user=NOBODY if os.geteuid() == 0 else None)

    def test_an_image_larger_than_the_disc_is_refused_and_removed(self):
        env = dict(self.env, DISC_CAPACITY=str(400 * 1024))  # the title's files fit, ours do not
        said = self.expect_refused("the image would take", env=env)
        self.assertIn("more than the 409600 a CD-R holds", said)
        self.expect_refused("DISC_CAPACITY must be a number", status=2,
                            env=dict(self.env, DISC_CAPACITY="7OO"))

    def test_the_same_date_gives_the_same_image(self):
        images = []
        for run, epoch in enumerate(("1000000000", "1000000000", "1000086400")):
            time.sleep(1.1 if run else 0)  # the clock moves on between the images
            dist = os.path.join(self.tmp, f"dist{run}")
            result = self.make_disc(dist=dist, env=dict(self.env, SOURCE_DATE_EPOCH=epoch))
            self.assertEqual(0, result.returncode, result.stderr)
            with open(os.path.join(dist, "brindlemoor.iso"), "rb") as f:
                images.append(f.read())
        self.assertEqual(images[0], images[1], "two images of one date differ")
        self.assertNotEqual(images[0], images[2], "the image's dates do not follow SOURCE_DATE_EPOCH")


if __name__ == "__main__":
    if SOURCE is None or WINBUILD is None:
        sys.exit(__doc__.strip().splitlines()[-1].strip())
    unittest.main(argv=sys.argv[:1], verbosity=2)
