#!/usr/bin/env python3
# SPDX-License-Identifier: BSD-3-Clause
"""Converts the sky data of the npm package d3-celestial 0.7.35 into the compact files of
data/skyview/ that the sky view reads (formats in data/skyview/README.md).

Usage:
    mkdir /tmp/celestial && cd /tmp/celestial && npm pack d3-celestial@0.7.35
    tar xzf d3-celestial-0.7.35.tgz
    python3 desktop/sky/tools/convert.py /tmp/celestial/package data/skyview

Python 3 standard library only. The output is deterministic, so a rerun on the same package
leaves the committed files unchanged.
"""

import json
import math
import os
import struct
import sys
import zlib

# Deep-sky subset: every Messier object, and NGC/IC objects at least this bright.
DSO_NGC_IC_MAG = 7.0
# Milky Way outlines are simplified to this many degrees; the filled map keeps full detail.
MW_OUTLINE_TOLERANCE = 0.12
# Filled Milky Way map: cells per degree (equirectangular, right ascension 0..360, dec +90..-90).
MW_CELLS_PER_DEGREE = 2

DSO_TYPES = {
    "gc": "GlobularCluster", "oc": "OpenCluster", "pn": "PlanetaryNebula",
    "bn": "DiffuseNebula", "en": "DiffuseNebula", "rn": "DiffuseNebula", "sfr": "DiffuseNebula",
    "dn": "DarkNebula", "snr": "SupernovaRemnant",
    "g": "Galaxy", "s": "Galaxy", "s0": "Galaxy", "sd": "Galaxy", "i": "Galaxy", "e": "Galaxy",
    "gg": "ClusterOfGalaxies",
}


def load(src, name):
    with open(os.path.join(src, "data", name), encoding="utf-8") as f:
        return json.load(f)


def ra(lon):
    """GeoJSON longitude (-180..180) to right ascension in degrees (0..360)."""
    return lon + 360.0 if lon < 0 else lon


def fmt(value, digits):
    text = f"{value:.{digits}f}"
    return "0" + text[2:] if text.startswith("-0") and float(text) == 0 else text


def clean(text):
    # Tabs and line ends would break the format; bidi marks and thin spaces are noise here.
    text = (text or "").replace("\u200e", "").replace("\u2009", " ").replace("\u2005", " ")
    return " ".join(text.replace("\t", " ").split())


def point(lon, lat, digits):
    return f"{fmt(ra(lon), digits)} {fmt(lat, digits)}"


def write(dst, name, header, rows):
    with open(os.path.join(dst, name), "w", encoding="utf-8", newline="\n") as f:
        for line in header:
            f.write(f"# {line}\n" if line else "#\n")
        for row in rows:
            f.write("\t".join(row) + "\n")


def convert_stars(src, dst):
    stars = load(src, "stars.6.json")["features"]
    names = load(src, "starnames.json")
    rows = []
    for s in stars:
        hip = str(s["id"])
        lon, lat = s["geometry"]["coordinates"]
        p = s["properties"]
        n = names.get(hip, {})
        bv = p.get("bv", "")
        rows.append((float(p["mag"]), int(hip), [
            hip, fmt(ra(lon), 4), fmt(lat, 4), fmt(float(p["mag"]), 2),
            fmt(float(bv), 2) if bv not in ("", None) else "",
            clean(n.get("bayer")), clean(n.get("flam")), clean(n.get("ja")), clean(n.get("name")),
        ]))
    rows.sort(key=lambda r: (r[0], r[1]))
    write(dst, "stars.txt", [
        "Stars to magnitude 6, brightest first.",
        "hip  ra(deg J2000)  dec(deg)  mag  b-v  bayer  flamsteed  japanese-name  english-name",
    ], [r[2] for r in rows])
    return len(rows)


def convert_constellations(src, dst):
    cons = load(src, "constellations.json")["features"]
    rows = []
    for c in cons:
        p = c["properties"]
        lon, lat = c["geometry"]["coordinates"]
        ja = clean(p.get("ja"))
        ja = ja[:-1] if ja.endswith("座") else ja
        rows.append([c["id"], clean(p["name"]), ja, str(p.get("rank", "")), fmt(ra(lon), 2), fmt(lat, 2)])
    write(dst, "constellations.txt", [
        "Constellation labels; Serpens has one row for each of its two parts.",
        "abbreviation  latin-name  japanese-name  rank(1-3)  label-ra  label-dec",
    ], rows)

    lines = load(src, "constellations.lines.json")["features"]
    rows = []
    for c in lines:
        for line in c["geometry"]["coordinates"]:
            rows.append([c["id"]] + [point(lon, lat, 3) for lon, lat in line])
    write(dst, "lines.txt", [
        "Constellation lines: one polyline a row.",
        "abbreviation  ra dec  ra dec  ...",
    ], rows)

    bounds = load(src, "constellations.bounds.json")["features"]
    rows = []
    for c in bounds:
        for ring in c["geometry"]["coordinates"]:
            if ring[0] == ring[-1]:
                ring = ring[:-1]
            rows.append([c["id"]] + [point(lon, lat, 3) for lon, lat in ring])
    write(dst, "boundaries.txt", [
        "Constellation boundaries: one closed ring a row (the last point joins the first).",
        "abbreviation  ra dec  ra dec  ...",
    ], rows)
    return len(cons), len(lines), len(bounds)


def unwrap(ring):
    """Longitudes made continuous along the ring, so a ring crossing 180 deg has no jump."""
    out = []
    for lon, lat in ring:
        if out:
            prev = out[-1][0]
            lon = prev + ((lon - prev + 540.0) % 360.0 - 180.0)
        out.append((lon, lat))
    return out


def simplify(points, tolerance):
    """Douglas-Peucker on (lon, lat) with lon scaled by cos(lat)."""
    if len(points) < 3:
        return points
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        a, b = stack.pop()
        ax, ay = points[a]
        bx, by = points[b]
        c = math.cos(math.radians((ay + by) / 2))
        dx, dy = (bx - ax) * c, by - ay
        length = math.hypot(dx, dy)
        best, index = 0.0, -1
        for i in range(a + 1, b):
            px, py = (points[i][0] - ax) * c, points[i][1] - ay
            d = abs(dx * py - dy * px) / length if length > 0 else math.hypot(px, py)
            if d > best:
                best, index = d, i
        if best > tolerance:
            keep[index] = True
            stack.append((a, index))
            stack.append((index, b))
    return [p for p, k in zip(points, keep) if k]


def level_rings(src):
    levels = []
    for feature in load(src, "mw.json")["features"]:
        level = int(feature["id"][2:])
        for polygon in feature["geometry"]["coordinates"]:
            for ring in polygon:
                levels.append((level, ring))
    return levels


def crossings(rings, column_ra):
    """Latitudes where the meridian at column_ra crosses the rings' edges."""
    out = []
    for ring in rings:
        for (l1, b1), (l2, b2) in zip(ring, ring[1:] + ring[:1]):
            dl = (l2 - l1 + 540.0) % 360.0 - 180.0
            if dl == 0:
                continue
            x = (column_ra - l1 + 540.0) % 360.0 - 180.0
            if (0 <= x < dl) or (dl <= x < 0):
                out.append(b1 + (b2 - b1) * x / dl)
    return out


def rasterise_milky_way(levels):
    """Brightness step of each cell: the highest level whose rings hold it (even-odd rule along
    the meridian towards the north celestial pole, which lies outside every level)."""
    width, height = 360 * MW_CELLS_PER_DEGREE, 180 * MW_CELLS_PER_DEGREE
    grid = bytearray(width * height)
    by_level = {}
    for level, ring in levels:
        by_level.setdefault(level, []).append([(ra(lon), lat) for lon, lat in ring])
    for level in sorted(by_level):
        rings = by_level[level]
        for col in range(width):
            lats = sorted(crossings(rings, (col + 0.5) / MW_CELLS_PER_DEGREE), reverse=True)
            inside, k = False, 0
            for row in range(height):
                lat = 90.0 - (row + 0.5) / MW_CELLS_PER_DEGREE
                while k < len(lats) and lats[k] > lat:
                    inside = not inside
                    k += 1
                if inside:
                    grid[row * width + col] = level
    return width, height, grid


def write_png(path, width, height, pixels):
    """8-bit greyscale PNG, no filter."""
    raw = b"".join(b"\x00" + bytes(pixels[r * width:(r + 1) * width]) for r in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def convert_milky_way(src, dst):
    levels = level_rings(src)
    rows = []
    for level, ring in levels:
        if ring[0] == ring[-1]:
            ring = ring[:-1]
        simple = simplify(unwrap(ring), MW_OUTLINE_TOLERANCE)
        if len(simple) >= 3:
            rows.append([str(level)] + [point(((lon + 180.0) % 360.0) - 180.0, lat, 2) for lon, lat in simple])
    write(dst, "milkyway.txt", [
        "Milky Way outlines: one closed ring a row, brightness step 1 (faint) to 5 (bright).",
        "level  ra dec  ra dec  ...",
    ], rows)
    width, height, grid = rasterise_milky_way(levels)
    write_png(os.path.join(dst, "milkyway.png"), width, height, bytes(v * 51 for v in grid))
    return len(rows), sum(len(r) - 1 for r in rows)


def dimensions(text):
    parts = [float(x) for x in str(text or "").replace("X", "x").split("x") if x.strip()]
    if not parts:
        return "", ""
    major = max(parts)
    minor = min(parts) if len(parts) > 1 else major
    return fmt(major, 1), fmt(minor, 1)


def number(designation, prefix):
    text = designation.strip()
    if text.startswith(prefix + " "):
        rest = text[len(prefix) + 1:].strip()
        return rest if rest.isdigit() else ""
    return ""


def magnitude(value):
    try:
        m = float(value)
    except (TypeError, ValueError):
        return None
    return None if m >= 90 else m


# Japanese names of the source that name something else: M 11 is the Wild Duck (わし is M 16's
# eagle), M 93 is not M 6's butterfly, and Herschel 36 is a star inside NGC 6530. These objects
# are labelled by their designation instead.
MISNAMED = {"M 11", "M 93", "NGC 6530"}


def convert_deep_sky(src, dst):
    names = load(src, "dsonames.json")
    rows = []
    taken = set()
    for m in load(src, "messier.json")["features"]:
        p = m["properties"]
        lon, lat = m["geometry"]["coordinates"]
        desig = p.get("desig", "")
        ngc, ic = number(desig, "NGC"), number(desig, "IC")
        other = dict(names.get("M " + m["id"][1:], {}))
        for key, value in (names.get(desig, {}) if desig else {}).items():
            other[key] = other.get(key) or value
        mag = magnitude(p.get("mag"))
        major, minor = dimensions(p.get("dim"))
        taken.add(("NGC", ngc) if ngc else ("IC", ic) if ic else ("M", m["id"]))
        ja = "" if "M " + m["id"][1:] in MISNAMED else clean(other.get("ja"))
        rows.append([m["id"][1:], ngc, ic, DSO_TYPES.get(p["type"], "Other"),
                     fmt(mag, 1) if mag is not None else "", fmt(ra(lon), 3), fmt(lat, 3), major, minor,
                     ja, clean(p.get("alt") or other.get("name"))])
    for d in load(src, "dsos.14.json")["features"]:
        p = d["properties"]
        ngc, ic = number(d["id"], "NGC"), number(d["id"], "IC")
        mag = magnitude(p.get("mag"))
        kind = DSO_TYPES.get(p["type"], "Other")
        if not (ngc or ic) or mag is None or mag > DSO_NGC_IC_MAG or kind == "DarkNebula":
            continue
        key = ("NGC", ngc) if ngc else ("IC", ic)
        if key in taken:
            continue
        taken.add(key)
        lon, lat = d["geometry"]["coordinates"]
        other = names.get(d["id"], {})
        major, minor = dimensions(p.get("dim"))
        ja = "" if d["id"] in MISNAMED else clean(other.get("ja"))
        rows.append(["", ngc, ic, kind, fmt(mag, 1), fmt(ra(lon), 3), fmt(lat, 3), major, minor,
                     ja, clean(other.get("name"))])
    write(dst, "dso.txt", [
        f"Deep-sky objects: all Messier objects, and NGC/IC objects of magnitude {DSO_NGC_IC_MAG} or brighter.",
        "messier  ngc  ic  type  mag  ra  dec  major(arcmin)  minor(arcmin)  japanese-name  english-name",
    ], rows)

    clouds = []
    for g in load(src, "lg.json")["features"]:
        if g["id"] in ("LMC", "SMC"):
            p = g["properties"]
            lon, lat = g["geometry"]["coordinates"]
            key = "PGC 17223" if g["id"] == "LMC" else p.get("desig", "")
            other = names.get(key, {})
            major, minor = dimensions(p.get("dim"))
            clouds.append([g["id"], fmt(ra(lon), 3), fmt(lat, 3), major, minor,
                           clean(other.get("ja")), clean(other.get("name"))])
    write(dst, "magellanic.txt", [
        "The Magellanic Clouds.",
        "id  ra  dec  major(arcmin)  minor(arcmin)  japanese-name  english-name",
    ], clouds)
    return len(rows), len(clouds)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    src, dst = sys.argv[1], sys.argv[2]
    os.makedirs(dst, exist_ok=True)
    print("stars", convert_stars(src, dst))
    print("constellations, line sets, boundary rings", convert_constellations(src, dst))
    print("milky way rings, points", convert_milky_way(src, dst))
    print("deep-sky objects, clouds", convert_deep_sky(src, dst))


if __name__ == "__main__":
    main()
