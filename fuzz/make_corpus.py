#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus, fuzz/corpus/: small card picture files,
good and broken, each a few KB at most; and the inputs kept in
fuzz/regressions/ that once made the loader set aside far more memory than
its budget.

Names tell the regression test what to expect: good-* decodes to a full set
of card pictures, bad-* decodes to nothing. Run it again after changing it;
the output is the same every time. (good-cartes.ccb, the file the build
paints, is copied in by hand and not written here.)
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus")
REGRESSIONS = os.path.join(HERE, "regressions")
SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLUMNS, ROWS = 13, 5


def chunk(kind, data, crc=None):
    body = kind + data
    if crc is None:
        crc = zlib.crc32(body) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + body + struct.pack(">I", crc)


def ihdr(width, height, depth=8, colour=6, interlace=0):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace))


def cell_rgba(x, y, cell_w, cell_h):
    """Each cell its own colour, with a dark diagonal so no two frames match."""
    col, row = x // cell_w, y // cell_h
    frame = row * COLUMNS + col + 1
    if (x % cell_w) == (y % cell_h):
        return (20, 20, 20, 255)
    if row == ROWS - 1 and col > 0:
        return (0, 0, 0, 0)  # the unused cells of the last row are transparent
    return ((frame * 3) % 256, (255 - frame * 3) % 256, (frame * 37) % 256, 255)


def rows_rgba(width, height, cell_w, cell_h):
    out = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            row += bytes(cell_rgba(x, y, cell_w, cell_h))
        out.append(bytes(row))
    return out


def png(width, height, raw_rows, depth=8, colour=6, extra=b"", filter_byte=0, interlace=0):
    raw = b"".join(bytes([filter_byte]) + r for r in raw_rows)
    return (SIGNATURE + ihdr(width, height, depth, colour, interlace) + extra +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def adam7(rows, bytes_per_pixel, width, height):
    """The seven Adam7 passes of `rows`, each row with filter byte 0."""
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    raw = bytearray()
    for x0, y0, dx, dy in passes:
        for y in range(y0, height, dy):
            line = bytearray()
            for x in range(x0, width, dx):
                line += rows[y][x * bytes_per_pixel:(x + 1) * bytes_per_pixel]
            if line:
                raw += b"\x00" + line
    return bytes(raw)


def grid(cell_w, cell_h):
    width, height = COLUMNS * cell_w, ROWS * cell_h
    return width, height, rows_rgba(width, height, cell_w, cell_h)


def good_rgba():
    w, h, rows = grid(8, 8)
    return png(w, h, rows)


def good_palette_with_ancillary_chunks():
    w, h, rows = grid(8, 8)
    colours = []
    index_rows = []
    for r in rows:
        line = bytearray()
        for x in range(w):
            px = r[4 * x:4 * x + 4]
            if px not in colours:
                colours.append(px)
            line.append(colours.index(px))
        index_rows.append(bytes(line))
    plte = b"".join(c[:3] for c in colours)
    trns = bytes(c[3] for c in colours)
    extra = (chunk(b"gAMA", struct.pack(">I", 45455)) + chunk(b"pHYs", struct.pack(">IIB", 2835, 2835, 1)) +
             chunk(b"tEXt", b"Comment\x00card pictures") + chunk(b"PLTE", plte) + chunk(b"tRNS", trns))
    return png(w, h, index_rows, depth=8, colour=3, extra=extra)


def good_grey16_interlaced():
    w, h, rows = grid(8, 8)
    grey = [b"".join(struct.pack(">H", (r[4 * x] * 257) ^ (x * 31)) for x in range(w)) for r in rows]
    body = (SIGNATURE + ihdr(w, h, depth=16, colour=0, interlace=1) +
            chunk(b"IDAT", zlib.compress(adam7(grey, 2, w, h), 9)) + chunk(b"IEND", b""))
    return body


def good_rgb16_split_idat():
    w, h, rows = grid(9, 10)
    rgb16 = [b"".join(struct.pack(">HHH", r[4 * x] * 257, r[4 * x + 1] * 257, r[4 * x + 2] * 257)
                      for x in range(w)) for r in rows]
    data = zlib.compress(b"".join(b"\x00" + r for r in rgb16), 9)
    third = len(data) // 3
    idats = b"".join(chunk(b"IDAT", data[i:i + third]) for i in range(0, len(data), third))
    return SIGNATURE + ihdr(w, h, depth=16, colour=2) + idats + chunk(b"IEND", b"")


def with_bad_crc(data, kind=b"IDAT"):
    at = data.index(kind) - 4
    length = struct.unpack(">I", data[at:at + 4])[0]
    crc_at = at + 8 + length
    return data[:crc_at] + bytes([data[crc_at] ^ 0xFF]) + data[crc_at + 1:]


def numbered_cells(depth):
    """Rows of 8 x 8 cells at `depth` bits a sample: each cell's first row
    spells its frame number in binary (0 or the largest sample), the rest is
    background; packed as the format packs samples of fewer than 8 bits."""
    w, h = COLUMNS * 8, ROWS * 8
    top = (1 << depth) - 1
    rows = []
    for y in range(h):
        samples = []
        for x in range(w):
            frame = (y // 8) * COLUMNS + x // 8 + 1
            bit = x % 8
            samples.append(top if y % 8 == 0 and bit < 6 and frame >> bit & 1 else top // 2)
        if depth == 8:
            rows.append(bytes(samples))
        else:
            per = 8 // depth
            rows.append(bytes(sum(v << (8 - depth * (k + 1)) for k, v in enumerate(samples[i:i + per]))
                              for i in range(0, w, per)))
    return w, h, rows


def good_low_depth(depth, colour):
    w, h, rows = numbered_cells(depth)
    extra = b""
    if colour == 3:
        colours = 1 << depth
        extra = (chunk(b"PLTE", b"".join(bytes([k * 255 // (colours - 1), 40, 200]) for k in range(colours))) +
                 chunk(b"tRNS", bytes([0])))
    return png(w, h, rows, depth=depth, colour=colour, extra=extra)


def good_grey_alpha_and_rgb_with_transparent_colour():
    w, h, rows = grid(8, 8)
    grey_alpha = [b"".join(bytes([r[4 * x + 2], r[4 * x + 3]]) for x in range(w)) for r in rows]
    rgb = [b"".join(r[4 * x:4 * x + 3] for x in range(w)) for r in rows]
    return (png(w, h, grey_alpha, colour=4),
            png(w, h, rgb, colour=2, extra=chunk(b"tRNS", struct.pack(">HHH", 20, 20, 20))))


def with_ihdr(data, length=13, **fields):
    """`data` with its IHDR chunk's fields changed, or its length (the data
    cut short or padded with zeros), the CRC made right."""
    width, height, depth, colour, comp, filt, lace = struct.unpack(">IIBBBBB", data[16:29])
    values = dict(width=width, height=height, depth=depth, colour=colour, comp=comp, filt=filt, lace=lace)
    values.update(fields)
    body = struct.pack(">IIBBBBB", *values.values())
    return data[:8] + chunk(b"IHDR", (body + bytes(max(0, length - 13)))[:length]) + data[33:]


def compressed_past_the_image(image_rows, surplus):
    """The image's rows and then `surplus` zero bytes in one zlib stream,
    compressed block by block as a bomb would be."""
    compressor = zlib.compressobj(9)
    data = compressor.compress(b"".join(b"\x00" + r for r in image_rows))
    data += compressor.flush(zlib.Z_FULL_FLUSH)
    block = 1 << 20
    for _ in range(surplus // block):
        data += compressor.compress(bytes(block))
    return data + compressor.compress(bytes(surplus % block)) + compressor.flush()


def image_data_faults():
    """A good 8 x 8 RGBA sheet whose compressed image data goes on past the
    image: by one row, by 4 MiB of zeros (a small inflate bomb), and by a
    chunk of data after the end of the compressed stream; and one whose
    image data is split by another chunk."""
    w, h, rows = grid(8, 8)
    head = SIGNATURE + ihdr(w, h)
    one_row = head + chunk(b"IDAT", compressed_past_the_image(rows, 1 + 4 * w)) + chunk(b"IEND", b"")
    bomb = head + chunk(b"IDAT", compressed_past_the_image(rows, 4 << 20)) + chunk(b"IEND", b"")
    exact = compressed_past_the_image(rows, 0)
    after_end = head + chunk(b"IDAT", exact) + chunk(b"IDAT", b"\x00" * 8) + chunk(b"IEND", b"")
    split = head + chunk(b"IDAT", exact[:20]) + chunk(b"tEXt", b"a\x00b") + chunk(b"IDAT", exact[20:]) + chunk(b"IEND", b"")
    return one_row, bomb, after_end, split


def small_grey_png(width, height, rows_of_data=None, filter_byte=0, depth=8, colour=0):
    rows_of_data = height if rows_of_data is None else rows_of_data
    row = bytes((width * depth + 7) // 8)
    return png(width, height, [row] * rows_of_data, depth=depth, colour=colour, filter_byte=filter_byte)


def blank_png(width, height, depth, colour, bytes_per_pixel):
    """A PNG of zero pixels, compressed row by row: small on disk, large once decoded."""
    compressor = zlib.compressobj(9)
    row = bytes(1 + width * bytes_per_pixel)
    data = b"".join(compressor.compress(row) for _ in range(height)) + compressor.flush()
    return SIGNATURE + ihdr(width, height, depth, colour) + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def write_regressions():
    # Sixteen bits a channel, the largest grids: once decoded at two (grey)
    # or eight (colour) bytes a pixel and then turned into 32 bits, about 97
    # and 122 MiB at the peak; now scaled to 8 bits row by row, 65 and 61 MiB.
    # A good sheet carrying compressed text, 7.9 MB of it in each of four
    # chunks: the decoder kept every one, expanded, about 190 MiB in all.
    rgba = good_rgba()
    at = rgba.index(b"IDAT") - 4
    text = zlib.compress(b"a" * 7900000, 9)
    chunks = b"".join(chunk(b"zTXt", b"Comment%d\x00\x00" % k + text) for k in range(2))
    chunks += b"".join(chunk(b"iTXt", b"Comment%d\x00\x01\x00\x00\x00" % k + text) for k in range(2, 4))
    files = {
        "grey16-largest-sheet.png": blank_png(13 * 512, 5 * 512, 16, 0, 2),
        "rgb16-512x480-cells.png": blank_png(13 * 512, 5 * 480, 16, 2, 6),
        "good-text-chunks-expanding-to-32MB.png": rgba[:at] + chunks + rgba[at:],
    }
    for name, data in files.items():
        assert len(data) < 128 * 1024, name
        with open(os.path.join(REGRESSIONS, name), "wb") as f:
            f.write(data)


def main():
    os.makedirs(OUT, exist_ok=True)
    rgba = good_rgba()
    w8, h8 = COLUMNS * 8, ROWS * 8
    files = {
        "good-rgba-8x8.png": rgba,
        "good-palette-8x8.png": good_palette_with_ancillary_chunks(),
        "good-grey16-interlaced-8x8.png": good_grey16_interlaced(),
        "good-rgb16-9x10-split-idat.png": good_rgb16_split_idat(),
        "bad-truncated.png": rgba[:len(rgba) // 2],
        "bad-no-iend.png": rgba[:-12],
        "bad-crc.png": with_bad_crc(rgba),
        # A bad CRC on any chunk refuses the file, even one the decoder passes over.
        "bad-crc-on-gama.png": with_bad_crc(good_palette_with_ancillary_chunks(), b"gAMA"),
        "bad-crc-on-phys.png": with_bad_crc(good_palette_with_ancillary_chunks(), b"pHYs"),
        "bad-crc-on-text.png": with_bad_crc(good_palette_with_ancillary_chunks(), b"tEXt"),
        # A header of any other length, or with a field the format does not allow.
        "bad-ihdr-length-12.png": with_ihdr(rgba, length=12),
        "bad-ihdr-length-14.png": with_ihdr(rgba, length=14),
        "bad-ihdr-length-0-at-the-end.png": SIGNATURE + chunk(b"IHDR", b""),
        "bad-ihdr-colour-type-5.png": with_ihdr(rgba, colour=5),
        "bad-ihdr-palette-16-bits.png": with_ihdr(rgba, colour=3, depth=16),
        "bad-ihdr-compression-1.png": with_ihdr(rgba, comp=1),
        "bad-ihdr-filter-method-1.png": with_ihdr(rgba, filt=1),
        "bad-ihdr-interlace-2.png": with_ihdr(rgba, lace=2),
        "bad-ihdr-width-2-to-the-31.png": with_ihdr(rgba, width=1 << 31),
        "bad-image-data-one-row-too-long.png": image_data_faults()[0],
        "bad-image-data-4-MiB-too-long.png": image_data_faults()[1],
        "bad-image-data-after-the-stream-end.png": image_data_faults()[2],
        "bad-image-data-split-by-another-chunk.png": image_data_faults()[3],
        "bad-palette-missing.png": small_grey_png(w8, h8, colour=3),
        # A chunk the decoder does read, out of place: it would only warn.
        "bad-palette-in-a-grey-picture.png": png(w8, h8, [bytes(w8)] * h8, colour=0,
                                                 extra=chunk(b"PLTE", bytes(range(12)))),
        "good-grey2-8x8.png": good_low_depth(2, 0),
        "good-palette4-8x8.png": good_low_depth(4, 3),
        "good-grey-alpha-8x8.png": good_grey_alpha_and_rgb_with_transparent_colour()[0],
        "good-rgb-transparent-colour-8x8.png": good_grey_alpha_and_rgb_with_transparent_colour()[1],
        # A colour profile too short to be one: the decoder passes over it.
        "good-iccp-too-short.png": rgba[:33] + chunk(b"iCCP", b"icc\x00\x00" + zlib.compress(b"short")) + rgba[33:],
        "bad-header-100000x100000.png": small_grey_png(100000, 100000, rows_of_data=2),
        "bad-header-zero-size.png": SIGNATURE + ihdr(0, 0, 8, 0) + chunk(b"IEND", b""),
        "bad-grid-14x5.png": small_grey_png(14 * 8, 5 * 8),
        "bad-grid-13x4.png": small_grey_png(13 * 8, 4 * 8),
        "bad-cells-7x8.png": small_grey_png(13 * 7, 5 * 8),
        "bad-cells-513-wide.png": small_grey_png(13 * 513, 5 * 8, depth=1),
        "bad-too-few-rows.png": small_grey_png(w8, h8, rows_of_data=3),
        "bad-filter-type.png": small_grey_png(w8, h8, filter_byte=9),
        "bad-bit-depth.png": SIGNATURE + ihdr(w8, h8, depth=3, colour=2) +
                             chunk(b"IDAT", zlib.compress(bytes(h8 * (1 + w8)))) + chunk(b"IEND", b""),
        "bad-idat-not-zlib.png": SIGNATURE + ihdr(w8, h8, 8, 0) + chunk(b"IDAT", b"not a zlib stream" * 4) +
                                 chunk(b"IEND", b""),
        "bad-ihdr-not-first.png": SIGNATURE + chunk(b"tEXt", b"a\x00b") + rgba[8:],
        "bad-signature-only.png": SIGNATURE,
        "bad-empty": b"",
        "bad-text.txt": b"just some words, not a picture\n",
        "bad-jpeg-magic.jpg": b"\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01" + bytes(range(256)) * 2,
    }
    for name, data in files.items():
        assert len(data) < 8192, name
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
    write_regressions()


if __name__ == "__main__":
    main()
