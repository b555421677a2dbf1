"""The pictures the monkey offers the program, and the check of every file the program saves."""
import os
import struct
import subprocess
import tempfile
import zlib


def bmp24(width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            line += bytes(pixel(x, y))
        data += line + bytes(row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def bmp8(width, height, pixel):
    row = (width + 3) & ~3
    palette = b"".join(struct.pack("<BBBB", i, 255 - i, (i * 7) & 255, 0) for i in range(256))
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytes(pixel(x, y)[0] for x in range(width))
        data += line + bytes(row - len(line))
    offset = 54 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    return header + info + palette + bytes(data)


def png(width, height, pixel):
    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def make_inputs(folder, rng):
    """Writes a few pictures, some damaged, and returns their paths."""
    made = []

    def write(name, data):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        made.append(path)

    for i in range(4):
        w, h = rng.randint(4, 320), rng.randint(4, 240)
        a, b = rng.randint(1, 9), rng.randint(1, 9)

        def pixel(x, y, a=a, b=b):
            return ((x * a) & 255, (y * b) & 255, ((x ^ y) * 3) & 255)

        write(f"picture{i}.bmp", bmp24(w, h, pixel))
        write(f"palette{i}.bmp", bmp8(w, h, pixel))
        write(f"picture{i}.png", png(w, h, pixel))
    whole = bmp24(60, 40, lambda x, y: (x * 4, y * 6, 128))
    write("truncated.bmp", whole[: len(whole) // 2])
    write("noise.jpg", bytes(rng.randrange(256) for _ in range(2000)))
    write("empty.dbx", b"")
    return made


def check_file(path, cli):
    """None when the file reads back as what it claims to be, else what is wrong with it."""
    problem = check_bytes(path, cli)
    with open(path, "rb") as f:
        head = f.read(8)
    # By content, not name: a drawing saved as "b.jpg" is still a drawing.
    if problem is None and (head.startswith(b"BM") or head.startswith(b"\xff\xd8") or head == b"\x89PNG\r\n\x1a\n"):
        # A picture the program wrote must also load in the program: the import reads it the
        # same way, into a drawing small enough to cost nothing.
        # Outside the folder the program works in, where the monkey would count it as a save.
        with tempfile.TemporaryDirectory() as scratch:
            r = subprocess.run([cli, "import", path, os.path.join(scratch, "readback.dbx"), "--size", "16x16", "--fit"],
                               capture_output=True, text=True, timeout=300)
        if r.returncode != 0:
            problem = f"daubrix-cli import: status {r.returncode}: {r.stderr.strip()}"
    return problem


def check_bytes(path, cli):
    with open(path, "rb") as f:
        data = f.read()
    if not data:
        return "empty file"
    if data.startswith(b"Daubrix Color History") or data.startswith(b"Daubrix Shape State"):
        return None
    if data.startswith(b"\x07Daubrix"):
        r = subprocess.run([cli, "info", path], capture_output=True, text=True, timeout=300)
        return None if r.returncode == 0 else f"daubrix-cli info: status {r.returncode}: {r.stderr.strip()}"
    if data.startswith(b"BM"):
        if len(data) < 54:
            return "bitmap shorter than its headers"
        size, offset = struct.unpack_from("<I", data, 2)[0], struct.unpack_from("<I", data, 10)[0]
        w, h, planes, bits = struct.unpack_from("<iiHH", data, 18)
        row = ((w * bits + 31) // 32) * 4
        if size != len(data) or offset + row * abs(h) > len(data) or w <= 0 or bits not in (1, 4, 8, 24, 32):
            return f"bitmap headers ({w}x{h}, {bits} bits, size {size}) do not fit its {len(data)} bytes"
        return None
    if data.startswith(b"\xff\xd8"):
        return None if data.rstrip(b"\0").endswith(b"\xff\xd9") else "JPEG without its end marker"
    if data.startswith(b"\x89PNG\r\n\x1a\n"):
        return None if data[-8:-4] == b"IEND" else "PNG without its end chunk"
    if data.startswith(b"RIFF"):
        size = struct.unpack_from("<I", data, 4)[0]
        if data[8:12] not in (b"AVI ", b"WEBP"):
            return "RIFF file that is neither an AVI nor a WebP"
        return None if size + 8 <= len(data) else f"RIFF file shorter ({len(data)}) than its size ({size + 8})"
    if data.startswith(b"GIF89a") or data.startswith(b"GIF87a"):
        return None if data.endswith(b"\x3b") else "GIF without its trailer"
    if data[4:8] == b"ftyp" or data.startswith(b"\x1a\x45\xdf\xa3") or data.startswith(b"%PDF"):
        return None
    return "content of no known kind: " + data[:16].hex()
