"""The design's pictures as small PNG files for the page, decoded and encoded here with the
standard library alone, so that every build writes the same bytes."""

import struct
import zlib


def png(width, height, rows, alpha):
    """A PNG of 8-bit RGB or RGBA rows, each row filtered the way that packs it best."""
    channels = 4 if alpha else 3
    stride = width * channels
    packed = bytearray()
    previous = bytes(stride)
    for row in rows:
        packed += _best_filtered(row, previous, channels)
        previous = row
    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
            + _chunk(b"IDAT", zlib.compress(bytes(packed), 9)) + _chunk(b"IEND", b""))


def _chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _best_filtered(row, above, bpp):
    candidates = []
    for kind in range(5):
        out = bytearray([kind])
        for i, x in enumerate(row):
            a = row[i - bpp] if i >= bpp else 0
            b = above[i]
            c = above[i - bpp] if i >= bpp else 0
            predictor = (0, a, b, (a + b) // 2, _paeth(a, b, c))[kind]
            out.append((x - predictor) & 0xFF)
        candidates.append(out)
    # The usual heuristic: the smallest sum of the bytes taken as signed.
    return min(candidates, key=lambda f: sum(v if v < 128 else 256 - v for v in f[1:]))


def bmp_to_png(data):
    """An uncompressed 24-bit Windows bitmap."""
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 24 or compression != 0:
        raise ValueError("only uncompressed 24-bit bitmaps are read")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = height - 1 - y if height > 0 else y
        line = data[offset + source * stride: offset + source * stride + width * 3]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::3], line[1::3], line[0::3]
        rows.append(bytes(rgb))
    return png(width, abs(height), rows, alpha=False)


def gif_first_frame_to_png(data):
    """The first frame of a GIF on its logical screen, its transparent colour see-through."""
    width, height, flags = struct.unpack_from("<HHB", data, 6)
    at = 13
    palette = b""
    if flags & 0x80:
        size = 3 << ((flags & 7) + 1)
        palette, at = data[at:at + size], at + size
    transparent = None
    while True:
        block = data[at]
        if block == 0x21:
            label = data[at + 1]
            at += 2
            if label == 0xF9 and data[at + 1] & 1:
                transparent = data[at + 4]
            while data[at]:
                at += data[at] + 1
            at += 1
        elif block == 0x2C:
            break
        else:
            raise ValueError("a GIF without an image")
    left, top, w, h, image_flags = struct.unpack_from("<HHHHB", data, at + 1)
    at += 10
    if image_flags & 0x80:
        size = 3 << ((image_flags & 7) + 1)
        palette, at = data[at:at + size], at + size
    code_size = data[at]
    at += 1
    stream = bytearray()
    while data[at]:
        stream += data[at + 1:at + 1 + data[at]]
        at += data[at] + 1
    indices = _lzw_decode(bytes(stream), code_size, w * h)
    order = list(range(h))
    if image_flags & 0x40:
        order = (list(range(0, h, 8)) + list(range(4, h, 8)) + list(range(2, h, 4))
                 + list(range(1, h, 2)))
    canvas = [bytearray(width * 4) for _ in range(height)]
    for n, y in enumerate(order):
        for x in range(w):
            index = indices[n * w + x]
            if index == transparent or top + y >= height or left + x >= width:
                continue
            at = (left + x) * 4
            canvas[top + y][at:at + 4] = palette[index * 3:index * 3 + 3] + b"\xff"
    return png(width, height, [bytes(row) for row in canvas], alpha=True)


def _lzw_decode(stream, minimum, count):
    clear, end = 1 << minimum, (1 << minimum) + 1
    table = [bytes([i]) for i in range(clear)] + [b"", b""]
    size = minimum + 1
    out = bytearray()
    previous = None
    bits = position = 0
    value = 0
    for byte in stream:
        value |= byte << bits
        bits += 8
        while bits >= size:
            code = value & ((1 << size) - 1)
            value >>= size
            bits -= size
            if code == clear:
                table = table[:end + 1]
                size = minimum + 1
                previous = None
                continue
            if code == end:
                return out[:count]
            if previous is None:
                entry = table[code]
            elif code < len(table):
                entry = table[code]
                table.append(previous + entry[:1])
            else:
                entry = previous + previous[:1]
                table.append(entry)
            out += entry
            previous = entry
            if len(table) == 1 << size and size < 12:
                size += 1
            position += 1
    return out[:count]


def icon_image(data, size):
    """The size x size image of an icon file as RGBA rows: its colours where the mask is
    clear, see-through where it is set."""
    count, = struct.unpack_from("<H", data, 4)
    for n in range(count):
        w, h, _, _, _, _, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
        if (w or 256) == size and (h or 256) == size:
            return _icon_bitmap(data[offset:offset + length], size)
    raise ValueError(f"no {size} x {size} image in the icon")


def _icon_bitmap(entry, size):
    header, _, _, _, bits = struct.unpack_from("<IiiHH", entry, 0)
    colours = 1 << bits if bits <= 8 else 0
    palette = entry[header:header + colours * 4]
    pixels = header + colours * 4
    stride = ((size * bits + 31) // 32) * 4
    mask_at = pixels + stride * size
    mask_stride = ((size + 31) // 32) * 4
    rows = []
    for y in range(size):
        line = entry[pixels + (size - 1 - y) * stride:]
        mask = entry[mask_at + (size - 1 - y) * mask_stride:]
        rgba = bytearray()
        for x in range(size):
            if bits == 32:
                b, g, r, a = line[x * 4:x * 4 + 4]
            else:
                per_byte = 8 // bits
                shift = (per_byte - 1 - x % per_byte) * bits
                index = (line[x // per_byte] >> shift) & ((1 << bits) - 1)
                b, g, r = palette[index * 4:index * 4 + 3]
                a = 255
            if mask[x // 8] & (0x80 >> (x % 8)):
                r = g = b = a = 0
            rgba += bytes((r, g, b, a))
        rows.append(bytes(rgba))
    return rows


def scaled(rows, factor, channels=4):
    """Every pixel as a factor x factor block: crisp at that many device pixels to one."""
    out = []
    for row in rows:
        wide = b"".join(row[i:i + channels] * factor for i in range(0, len(row), channels))
        out.extend([wide] * factor)
    return out
