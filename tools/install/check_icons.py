#!/usr/bin/python3
"""Installs the build into a temporary folder and checks what a desktop needs
to show Qarnivo's icon: a PNG of the size its folder names at every size of
the hicolor theme Qarnivo ships, a scalable SVG, all under the name the
desktop entry asks for."""

import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SIZES = (16, 32, 48, 64, 128, 256)


def png_size(path):
    head = path.read_bytes()[:24]
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def main(build):
    faults = []
    with tempfile.TemporaryDirectory() as root:
        subprocess.run(["cmake", "--install", build, "--prefix", root], check=True,
                       capture_output=True)
        share = Path(root) / "share"
        entry = next((share / "applications").glob("*.desktop"))
        name = re.search(r"^Icon=(.+)$", entry.read_text(), re.M).group(1)
        theme = share / "icons" / "hicolor"
        for size in SIZES:
            png = theme / f"{size}x{size}" / "apps" / f"{name}.png"
            if not png.is_file():
                faults.append(f"{png} is missing")
            elif png_size(png) != (size, size):
                faults.append(f"{png} is {png_size(png)}, not {size}x{size}")
        svg = theme / "scalable" / "apps" / f"{name}.svg"
        try:
            if not ElementTree.parse(svg).getroot().tag.endswith("svg"):
                faults.append(f"{svg} is not an SVG picture")
        except (OSError, ElementTree.ParseError) as error:
            faults.append(f"{svg}: {error}")
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
