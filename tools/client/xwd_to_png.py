#!/usr/bin/env python3
"""xwd_to_png.py <in.xwd> <out.png> [x y width height]

Turns an X window dump of a 24- or 32-bit TrueColor screen into a PNG,
optionally cut to a rectangle."""
import struct
import sys
import zlib


def read_xwd(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, version, pixmap_format, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    colormap_entries = fields[19]
    if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32):
        sys.exit(f"{path}: only 24- and 32-bit ZPixmap dumps are read (version {version}, format {pixmap_format}, "
                 f"{bits_per_pixel} bits per pixel)")
    pixel_bytes = bits_per_pixel // 8
    offset = header_size + colormap_entries * 12
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(red_mask), shift(green_mask), shift(blue_mask)]
    rows = []
    for y in range(height):
        start = offset + y * bytes_per_line
        line = data[start:start + width * pixel_bytes]
        if pixel_bytes == 4:
            values = struct.unpack(f"{order}{width}I", line)
        else:
            values = [int.from_bytes(line[i:i + 3], "little" if order == "<" else "big")
                      for i in range(0, len(line), 3)]
        rows.append(bytes(b for v in values for b in ((v >> shifts[0]) & 255, (v >> shifts[1]) & 255,
                                                       (v >> shifts[2]) & 255)))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    width, height, rows = read_xwd(sys.argv[1])
    if len(sys.argv) == 7:
        x, y, w, h = (int(v) for v in sys.argv[3:7])
        rows = [row[x * 3:(x + w) * 3] for row in rows[y:y + h]]
        width, height = w, h
    write_png(sys.argv[2], width, height, rows)


if __name__ == "__main__":
    main()
