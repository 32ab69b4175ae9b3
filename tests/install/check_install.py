#!/usr/bin/env python3
"""Installs a build tree into a fresh prefix and checks what arrives there:
both programs, the manual pages (which must format without a warning), the
desktop entry and every icon at the size its folder names."""
import os
import struct
import subprocess
import sys
import tempfile


def png_size(path):
    with open(path, "rb") as image:
        head = image.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def main():
    build = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        share = os.path.join(prefix, "share")
        for program in ("Vantrel", "vantrel-compare"):
            path = os.path.join(prefix, "bin", program)
            if not os.access(path, os.X_OK):
                failures.append("no program " + path)
        for page in ("Vantrel.1", "vantrel-compare.1"):
            path = os.path.join(share, "man", "man1", page)
            if not os.path.isfile(path):
                failures.append("no manual page " + path)
                continue
            formatted = subprocess.run(["groff", "-man", "-ww", "-z", path],
                                       capture_output=True, text=True)
            if formatted.returncode != 0 or formatted.stderr:
                failures.append(page + ": " + formatted.stderr.strip())
        entry = os.path.join(share, "applications", "vantrel.desktop")
        if not os.path.isfile(entry) or "Exec=Vantrel %F" not in open(entry).read():
            failures.append("no desktop entry handing over folders")
        for size in (16, 32, 48, 64, 128, 256):
            path = os.path.join(share, "icons", "hicolor", "%dx%d" % (size, size), "apps",
                                "vantrel.png")
            if not os.path.isfile(path) or png_size(path) != (size, size):
                failures.append("no %d-pixel icon at %s" % (size, path))
        svg = os.path.join(share, "icons", "hicolor", "scalable", "apps", "vantrel.svg")
        if not os.path.isfile(svg) or "<svg" not in open(svg).read():
            failures.append("no scalable icon")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
