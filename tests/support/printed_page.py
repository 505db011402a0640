"""Finds a page the program printed on the tests' PDF printer (cups-pdf writes it into
$HOME/PDF, named after the job's title), keeps it beside the test and as a picture in the
screenshot folder, and gives the picture's pixels for checks."""
import glob
import os
import shutil
import subprocess
import time
import zlib
import struct


def find_pdf(title, timeout=60):
    """The newest PDF whose name starts with the job title, waiting for cups-pdf to finish."""
    folder = os.path.join(os.path.expanduser("~"), "PDF")
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = sorted(glob.glob(os.path.join(folder, title + "*.pdf")), key=os.path.getmtime)
        if found:
            path = found[-1]
            size = os.path.getsize(path)
            time.sleep(0.5)
            if size > 0 and os.path.getsize(path) == size:
                return path
        time.sleep(0.5)
    raise RuntimeError("no printed page named %s* in %s" % (title, folder))


def pages_now(title):
    """The PDFs cups-pdf has written so far whose names start with the job title."""
    return glob.glob(os.path.join(os.path.expanduser("~"), "PDF", title + "*.pdf"))


def remove(title, timeout=60):
    """Takes a page that was printed only to see that printing went through out of the PDF
    folder, once cups-pdf has written it."""
    try:
        os.remove(find_pdf(title, timeout))
    except (RuntimeError, OSError):
        pass


def keep(pdf, picture_name, dpi=50):
    """Moves the PDF beside the test and renders its first page as <picture_name>.png in the
    screenshot folder. Returns the PNG path."""
    local = os.path.join(os.getcwd(), picture_name + ".pdf")
    shutil.move(pdf, local)
    folder = os.environ.get("QUARVEX_SCREENSHOTS") or os.getcwd()
    os.makedirs(folder, exist_ok=True)
    stem = os.path.join(folder, picture_name)
    subprocess.run(["pdftoppm", "-png", "-r", str(dpi), "-f", "1", "-l", "1", "-singlefile",
                    local, stem], check=True, timeout=60)
    return stem + ".png"


def read_png(path):
    """(width, height, rows of (r, g, b) tuples) of an 8-bit RGB or RGBA PNG as pdftoppm
    writes it."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos = 8
    width = height = None
    colour = depth = None
    idat = b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    assert depth == 8 and colour in (2, 6), "unexpected PNG layout"
    step = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    rows = []
    previous = bytearray(width * step)
    i = 0
    for _ in range(height):
        kind = raw[i]
        line = bytearray(raw[i + 1:i + 1 + width * step])
        i += 1 + width * step
        for x in range(len(line)):
            a = line[x - step] if x >= step else 0
            b = previous[x]
            c = previous[x - step] if x >= step else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, len(line), step)])
        previous = line
    return width, height, rows
