#!/usr/bin/env python3
"""Writes the TrueType seeds of truetype_check_fuzzer: tiny fonts built here from nothing,
each a few hundred bytes, valid ones in the forms the check accepts and near misses of them.
Run from anywhere: python3 fuzz/make_font_seeds.py [output folder]."""
import os
import struct
import sys


def u16(*values):
    return b"".join(struct.pack(">H", v & 0xFFFF) for v in values)


def s16(*values):
    return b"".join(struct.pack(">h", v) for v in values)


def u32(*values):
    return b"".join(struct.pack(">I", v & 0xFFFFFFFF) for v in values)


def simple_glyph(points, repeat_flags=False, short_coordinates=False):
    """One closed contour through `points` (absolute x, y), all on the curve."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    out = s16(1, min(xs), min(ys), max(xs), max(ys)) + u16(len(points) - 1) + u16(0)
    deltas, last = [], (0, 0)
    for x, y in points:
        deltas.append((x - last[0], y - last[1]))
        last = (x, y)
    if short_coordinates:
        # Flag 2/4: one byte each, bit 16/32 then says positive.
        flags = []
        for dx, dy in deltas:
            f = 1 | 2 | 4 | (16 if dx >= 0 else 0) | (32 if dy >= 0 else 0)
            flags.append(f)
        coordinates = bytes(abs(dx) for dx, _ in deltas) + bytes(abs(dy) for _, dy in deltas)
    else:
        flags = [1] * len(points)
        coordinates = s16(*[dx for dx, _ in deltas]) + s16(*[dy for _, dy in deltas])
    if repeat_flags and len(set(flags)) == 1:
        out += bytes([flags[0] | 8, len(flags) - 1])
    else:
        out += bytes(flags)
    return out + coordinates


def composite_glyph(components):
    """Components (glyph, dx, dy, scaled); offsets as words."""
    out = s16(-1, 0, 0, 600, 700)
    for i, (glyph, dx, dy, scaled) in enumerate(components):
        flags = 1 | 2 | (0x20 if i + 1 < len(components) else 0) | (8 if scaled else 0)
        out += u16(flags, glyph) + s16(dx, dy)
        if scaled:
            out += u16(0x2000)  # 0.5 in 2.14
    return out


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def cmap_format4(first, glyph_ids):
    """One segment first..first+n-1 through a glyph array, then the final 0xFFFF segment."""
    segments = 2
    ends = u16(first + len(glyph_ids) - 1, 0xFFFF)
    starts = u16(first, 0xFFFF)
    deltas = u16(0, 1)
    # Segment 0's range offset points just past the range offsets, at the glyph array.
    range_offsets = u16(4, 0)
    body = ends + u16(0) + starts + deltas + range_offsets + u16(*glyph_ids)
    length = 14 + len(body)
    return u16(4, length, 0, 2 * segments, 4, 1, 0) + body


def cmap_format12(first, glyph_ids):
    groups = b"".join(u32(first + i, first + i, g) for i, g in enumerate(glyph_ids))
    return u16(12, 0) + u32(16 + len(groups), 0, len(glyph_ids)) + groups


def cmap_format6(first, glyph_ids):
    return u16(6, 10 + 2 * len(glyph_ids), 0, first, len(glyph_ids)) + u16(*glyph_ids)


def cmap_table(subtable, platform=3, encoding=1):
    return u16(0, 1) + u16(platform, encoding) + u32(12) + subtable


def font(glyphs, cmap, long_loca=False, version=b"\x00\x01\x00\x00", ascent=800, descent=-200,
         units_per_em=1000, with_maxp=True, long_metrics=None):
    glyf, offsets = b"", [0]
    for g in glyphs:
        glyf += g + b"\0" * (len(g) % 2)  # short locations count words
        offsets.append(len(glyf))
    loca = u32(*offsets) if long_loca else u16(*[o // 2 for o in offsets])
    count = len(glyphs)
    metrics = count if long_metrics is None else long_metrics
    head = u32(0x00010000, 0x00010000, 0, 0x5F0F3CF5) + u16(0, units_per_em) + b"\0" * 16 + s16(
        0, -200, 1000, 800) + u16(0, 8) + s16(2, 1 if long_loca else 0, 0)
    hhea = u32(0x00010000) + s16(ascent, descent, 0) + u16(1000) + s16(0, 0, 1000, 1, 0, 0, 0, 0, 0, 0, 0) + u16(metrics)
    hmtx = b"".join(u16(600) + s16(50) for _ in range(metrics)) + s16(*([50] * (count - metrics)))
    maxp = u32(0x00005000) + u16(count)
    tables = {b"cmap": cmap, b"glyf": glyf, b"head": head, b"hhea": hhea, b"hmtx": hmtx, b"loca": loca}
    if with_maxp:
        tables[b"maxp"] = maxp
    tags = sorted(tables)
    power = 1
    while power * 2 <= len(tags):
        power *= 2
    directory = version + u16(len(tags), 16 * power, power.bit_length() - 1, 16 * (len(tags) - power))
    offset = 12 + 16 * len(tags)
    body = b""
    for tag in tags:
        data = tables[tag]
        directory += tag + u32(0, offset + len(body), len(data))
        body += pad4(data)
    return directory + body


TRIANGLE = [(50, 0), (550, 0), (300, 700)]
SQUARE = [(100, 100), (500, 100), (500, 500), (100, 500)]
SMALL_SQUARE = [(10, 10), (200, 10), (200, 200), (10, 200)]  # deltas fit one byte
NOTDEF = [(0, 0), (400, 0), (400, 600), (0, 600)]


def seeds():
    basic = [simple_glyph(NOTDEF), simple_glyph(TRIANGLE), simple_glyph(SQUARE)]
    yield "format4_short_loca", font(basic, cmap_table(cmap_format4(0x41, [1, 2])))
    yield "format12_long_loca", font(basic, cmap_table(cmap_format12(0x41, [1, 2]), 3, 10), long_loca=True)
    yield "format6_true_version", font(basic, cmap_table(cmap_format6(0x30, [2, 1, 2]), 0, 3), version=b"true")
    packed = [simple_glyph(NOTDEF, repeat_flags=True), simple_glyph(SMALL_SQUARE, short_coordinates=True), b""]
    yield "repeated_flags_short_coordinates", font(packed, cmap_table(cmap_format4(0x20, [1, 2, 1])))
    composite = basic + [composite_glyph([(1, 0, 0, False), (2, 100, 50, True)])]
    yield "composite", font(composite, cmap_table(cmap_format4(0x41, [1, 2, 3])))
    yield "shared_metrics", font(basic, cmap_table(cmap_format4(0x41, [1, 2])), long_metrics=1)
    # Near misses: each breaks one thing the check looks at.
    whole = font(basic, cmap_table(cmap_format4(0x41, [1, 2])))
    yield "cut_short", whole[: len(whole) - 24]
    yield "ascent_below_descent", font(basic, cmap_table(cmap_format4(0x41, [1, 2])), ascent=-300)
    cycle = basic + [composite_glyph([(3, 0, 0, False)])]
    yield "composite_of_itself", font(cycle, cmap_table(cmap_format4(0x41, [1, 2, 3])))
    yield "symbol_encoding_only", font(basic, cmap_table(cmap_format4(0x41, [1, 2]), 3, 0))
    yield "no_maxp", font(basic, cmap_table(cmap_format4(0x41, [1, 2])), with_maxp=False)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                             "corpus", "truetype_check")
    os.makedirs(out, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
