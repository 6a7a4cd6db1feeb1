#!/usr/bin/env python3
"""Generator of the state plane zone expansion tables.

Reads the zone parameters of the US State Plane Coordinate Systems of 1927 and
1983 from PROJ's database (Debian proj-data, /usr/share/proj/proj.db, the EPSG
dataset plus a few ESRI entries) and writes src/proj/statezone_data.cpp.

    tools/gen_statezones.py            write src/proj/statezone_data.cpp
    tools/gen_statezones.py --ref      also write tests/proj/data/statezones_ref.txt
                                       and tests/proj/data/statezones_epsg.txt
                                       (needs PROJ's `proj` and `projinfo`)
    tools/gen_statezones.py --check    compare, for every zone, the written table
                                       (parsed back) with the EPSG definition by
                                       projecting the reference points both ways

The projection of each zone in each year comes from the comments of the zone
catalogue in src/proj/statezones.h ("TM / LCC", "-" where the zone does not
exist, "*" for the ellipsoid exceptions); the database only supplies the
numbers. The committed table is the source of truth: rows listed in FIXED are
written exactly as given there, whatever the database says.

Stored forms: angles as degree-minute-second texts read by LatLonToDegrees,
"-85d50'" / "-36d52'11.6315" for 1927 and "-85D50" / "-85D50'30" for 1983
(whole degrees without marks: "57", "-176"); lengths in metres, 1927 values
converted from US survey feet exactly (1 ft = 1200/3937 m) and printed with
the shortest text that reads back to the same double.
"""

import argparse
import os
import re
import sqlite3
import subprocess
import sys
from decimal import Decimal
from fractions import Fraction

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROJ_DB = "/usr/share/proj/proj.db"
HEADER = os.path.join(ROOT, "src/proj/statezones.h")
OUTPUT = os.path.join(ROOT, "src/proj/statezone_data.cpp")
REF_FILE = os.path.join(ROOT, "tests/proj/data/statezones_ref.txt")
EPSG_FILE = os.path.join(ROOT, "tests/proj/data/statezones_epsg.txt")

# Zone -> defining coordinate reference system, per year. Runs of codes follow
# the zone order; the explicit entries replace deprecated codes by their
# successors and name the systems outside the NAD27/NAD83 series (Old
# Hawaiian, Puerto Rico, American Samoa 1962, the NAD27 Michigan zones).
def _runs(pairs):
    out = {}
    for first_code, first_zone, last_zone in pairs:
        for i in range(last_zone - first_zone + 1):
            out[first_zone + i] = ("EPSG", first_code + i)
    return out


SOURCE_1927 = _runs([
    (26729, 0, 11), (26741, 17, 22), (26748, 12, 16), (26753, 24, 28),
    (26758, 30, 31), (26760, 29, 29), (3561, 35, 39), (26766, 32, 33),
    (26768, 40, 54), (26783, 56, 60), (5623, 61, 63), (26791, 67, 74),
    (32001, 76, 78), (32005, 80, 92), (32019, 94, 103), (32034, 113, 114),
    (32037, 116, 137),
])
SOURCE_1927.update({
    23: ("EPSG", 26799),   # California VII (replaces 26747)
    34: ("ESRI", 65061),   # Guam, polyconic; no EPSG polyconic definition
    55: ("EPSG", 32099),   # Louisiana Offshore
    64: ("EPSG", 6966),    # Michigan North, Lambert 2SP Michigan (k 1.0000382)
    65: ("EPSG", 6201),
    66: ("EPSG", 6202),
    93: ("EPSG", 4456),    # New York Long Island (replaces 32018)
    104: ("EPSG", 4455),   # Pennsylvania South (replaces 32029)
    106: ("EPSG", 3991),   # Puerto Rico State Plane CS of 1927
    107: ("EPSG", 3992),   # Puerto Rico / St. Croix
    108: ("EPSG", 32030),
    109: ("EPSG", 3102),   # American Samoa 1962 / American Samoa Lambert
    111: ("EPSG", 32031),
    112: ("EPSG", 32033),
    115: ("EPSG", 2204),   # Tennessee (replaces 32036)
})

SOURCE_1983 = _runs([
    (26929, 0, 11), (26941, 17, 22), (26948, 12, 16), (26953, 24, 28),
    (26958, 30, 31), (26960, 29, 29), (26961, 35, 39), (26966, 32, 33),
    (26968, 40, 54), (26983, 56, 60), (26988, 64, 74), (32107, 82, 104),
    (32134, 113, 137),
])
SOURCE_1983.update({
    51: ("EPSG", 2205),    # Kentucky North (replaces 26979)
    55: ("EPSG", 32199),   # Louisiana Offshore
    75: ("EPSG", 32100),
    79: ("EPSG", 32104),
    105: ("EPSG", 32161),
    108: ("EPSG", 32130),
    110: ("EPSG", 32133),
})

# Rows kept exactly as the library has always defined them. Fields: type, ellipsoid,
# lon0, lat0, lat1, lat2, lon1, alpha (texts or None), k0, xOrg, yOrg (texts
# of C++ literals), and an optional note for the comment.
FIXED = {
    1927: {
        0: ("PT_UTM", "ET_CLARKE_1866", "-85d50'", "30d30'", None, None, None, None,
            "0.99996", "152400.3048006096", "0"),
        2: ("PT_HOTINE", "ET_CLARKE_1866", None, "57", None, None, "-133d40'", "-36d52'11.6315",
            "0.9999", "818585.5672270928", "575219.2451072643"),
        11: ("PT_LAMBERT", "ET_CLARKE_1866", "-176", "51", "53d50'", "51d50'", None, None,
             "0", "914401.8288036576", "0"),
        34: ("PT_POLYCONIC", "ET_CLARKE_1866", "144d44'55.50254", "13d28'20.87887", None, None,
             None, None, "0", "50000.0", "50000.0"),
        64: ("PT_LAMBERT", "ET_MICHIGAN_1927", "-87", "44d47", "47d5", "45d29", None, None,
             "0", "609601.2192024384", "0"),
    },
    1983: {
        0: ("PT_UTM", "ET_GRS_1980", "-85D50", "30D30", None, None, None, None,
            "0.99996", "200000.0", "0"),
        2: ("PT_HOTINE", "ET_GRS_1980", None, "57", None, None, "-133d40'", "-36d52'11.6315",
            "0.9999", "818676.7344011232", "575097.6888751927"),
        11: ("PT_LAMBERT", "ET_GRS_1980", "-176", "51", "53d50'", "51d50'", None, None,
             "0", "1000000.0", "0"),
        64: ("PT_LAMBERT", "ET_GRS_1980", "-87", "44d47", "47d5", "45d29", None, None,
             "0", "8000000.0", "0"),
    },
}

# The Great Lakes zones (see GREAT_LAKES_NOTE): Lon1, Lat1, Lat0 texts and a
# short note for the row's comment. The others have no entry.
GREAT_LAKES = {
    139: ("82d30", "43", "350d37", "as originally defined"),
}
GREAT_LAKES_WITHOUT_DEFINITION = (138, 140, 141)
GREAT_LAKES_NOTE = """\
// Great Lakes zones 138 to 141: oblique Mercator in the two-point layout, alike
// in both years and on Clarke 1866, without EPSG codes. Zone 139 is the row as
// originally defined: Lon1 and Lat1 a point of the central line (the west
// longitude written positive), Lat0 the azimuth of the central line (350d37,
// beyond 90 and carried unchanged), K0 0.9999, false origin 1200000 / -3500000.
// Zones 138, 140 and 141 have no published definition under their names: EPSG
// has none, and PROJ's GL27 file defines four Great Lakes grids by lake, not by
// survey number. They have no entry, so their expansion fails.
"""

ELLIPSOID_NAME = {15: "ET_CLARKE_1866", 42: "ET_MICHIGAN_1927", 3: "ET_GRS_1980"}
ELLIPSOID_PROJ = {  # as in the library's ellipsoid catalogue
    15: "+a=6378206.4 +rf=294.9786982",
    42: "+a=6378450.047 +rf=294.9786982",
    3: "+a=6378137 +rf=298.257222101",
}
TYPE_OF = {"TM": "PT_UTM", "LCC": "PT_LAMBERT", "Poly": "PT_POLYCONIC", "HOM": "PT_HOTINE"}
METHOD_TYPE = {9807: "TM", 9801: "LCC", 9802: "LCC", 1051: "LCC", 9812: "HOM", 9818: "Poly"}


def read_catalogue():
    """(zone, code, name, {1927: kind or None, 1983: ...}, {year: star})."""
    rows = []
    pat = re.compile(r'\{(-?\d+), "([^"]*)"\},\s*// (\d+): (\S+) / (\S+)')
    with open(HEADER) as f:
        for line in f:
            m = pat.search(line)
            if not m:
                continue
            zone = int(m.group(3))
            kinds, stars = {}, {}
            for year, text in ((1927, m.group(4)), (1983, m.group(5))):
                stars[year] = text.endswith("*")
                text = text.rstrip("*")
                kinds[year] = None if text == "-" else text
            rows.append((zone, int(m.group(1)), m.group(2), kinds, stars))
    assert [r[0] for r in rows] == list(range(142)), "catalogue comments not read"
    return rows


class Db:
    def __init__(self, path):
        self.db = sqlite3.connect(path)

    def crs(self, auth, code):
        """name, method code, {param code: (value text, uom code)}, extent."""
        r = self.db.execute(
            "select p.name, p.conversion_auth_name, p.conversion_code from projected_crs p "
            "where p.auth_name=? and p.code=?", (auth, str(code))).fetchone()
        if r is None:
            raise SystemExit("%s:%s not in %s" % (auth, code, PROJ_DB))
        name, cauth, ccode = r
        cols = ["method_code"]
        for i in range(1, 8):
            cols += ["param%d_code" % i, "cast(param%d_value as text)" % i,
                     "param%d_uom_code" % i]
        c = self.db.execute("select %s from conversion_table where auth_name=? and code=?" %
                            ", ".join(cols), (cauth, ccode)).fetchone()
        params = {}
        for i in range(7):
            pc, val, uom = c[1 + 3 * i: 4 + 3 * i]
            if pc is not None:
                params[int(pc)] = (val, int(uom))
        e = self.db.execute(
            "select e.south_lat, e.north_lat, e.west_lon, e.east_lon from usage u join extent e "
            "on e.auth_name=u.extent_auth_name and e.code=u.extent_code "
            "where u.object_table_name='projected_crs' and u.object_auth_name=? "
            "and u.object_code=?", (auth, str(code))).fetchone()
        return name, int(c[0]), params, e


def dms_parts(value, uom):
    """Sign, degrees, minutes and seconds text of an angle parameter."""
    v = Decimal(value)
    sign = "-" if v < 0 else ""
    v = abs(v)
    if uom == 9110:  # sexagesimal DDD.MMSSsss
        text = format(v, "f")
        whole, _, frac = text.partition(".")
        frac = frac.ljust(4, "0")
        deg, mins = int(whole), int(frac[:2])
        sec = frac[2:4] + ("." + frac[4:] if len(frac) > 4 else "")
        sec = sec.rstrip("0").rstrip(".") if "." in sec else sec
        secv = Decimal(sec) if sec else Decimal(0)
    elif uom in (9102, 9122):  # decimal degrees: seconds to 1e-5
        deg = int(v)
        rest = (v - deg) * 60
        mins = int(rest)
        secv = ((rest - mins) * 60).quantize(Decimal("0.00001"))
        if secv >= 60:
            secv -= 60
            mins += 1
        if mins >= 60:
            mins -= 60
            deg += 1
    else:
        raise SystemExit("angle unit %d not handled" % uom)
    sec = format(secv.normalize(), "f") if secv != 0 else ""
    return sign, deg, mins, sec


def angle_text(value, uom, year):
    sign, deg, mins, sec = dms_parts(value, uom)
    if mins == 0 and not sec:
        return "%s%d" % (sign, deg)
    if year == 1927:
        text = "%s%dd%02d'" % (sign, deg, mins)
        return text + sec
    text = "%s%dD%02d" % (sign, deg, mins)
    return text + ("'" + sec if sec else "")


def angle_value(text):
    """Decimal degrees of a stored text (the subset of forms written here)."""
    m = re.fullmatch(r"(-?)(\d+(?:\.\d+)?)(?:[dD](\d+)'?(\d+(?:\.\d+)?)?)?", text)
    assert m, text
    v = float(m.group(2)) + float(m.group(3) or 0) / 60 + float(m.group(4) or 0) / 3600
    return -v if m.group(1) else v


def length_text(value, uom):
    if uom == 9003:
        metres = float(Fraction(value) * 1200 / 3937)
    elif uom == 9001:
        metres = float(Fraction(value))
    elif uom == 9002:
        metres = float(Fraction(value) * Fraction("0.3048"))
    else:
        raise SystemExit("length unit %d not handled" % uom)
    return "0" if metres == 0 else repr(metres)


def scale_text(value):
    return repr(float(value))


def build_row(db, zone, year, kind, star):
    """(row fields, comment) for a zone that exists in the year."""
    if year in FIXED and zone in FIXED[year]:
        src = (SOURCE_1927 if year == 1927 else SOURCE_1983)[zone]
        method = db.crs(*src)[1]
        if METHOD_TYPE[method] != kind:
            raise SystemExit("zone %d %d: fixed row is %s, %s:%s is %s"
                             % (zone, year, kind, src[0], src[1], METHOD_TYPE[method]))
        return FIXED[year][zone], "%s:%s" % src
    if zone in GREAT_LAKES:
        lon1, lat1, lat0, note = GREAT_LAKES[zone]
        return ("PT_HOTINE", "ET_CLARKE_1866", None, lat0, lat1, None, lon1, None,
                "0.9999", "1200000.0", "-3500000.0"), "no EPSG code; " + note
    src = (SOURCE_1927 if year == 1927 else SOURCE_1983)[zone]
    name, method, p, _ = db.crs(*src)
    epsg_kind = METHOD_TYPE[method]
    if epsg_kind != kind:
        print("zone %d %d: %s:%s is %s, the zone list says %s; the list is followed"
              % (zone, year, src[0], src[1], epsg_kind, kind), file=sys.stderr)
    if year == 1927:
        ell = 42 if star else 15
    else:
        ell = 15 if star else 3
    a = lambda code: angle_text(*p[code], year)  # noqa: E731
    ln = lambda code: length_text(*p[code])  # noqa: E731
    if kind == "TM":
        row = (TYPE_OF[kind], ELLIPSOID_NAME[ell], a(8802), a(8801), None, None, None, None,
               scale_text(p[8805][0]), ln(8806), ln(8807))
    elif kind == "LCC" and method == 9801:  # one standard parallel at the origin, k 1
        # The conic module takes two distinct parallels: put them one arc-second
        # either side of the origin. The cone is then the tangent one to about
        # 1e-11 in scale (micrometres inside the zone).
        assert float(p[8805][0]) == 1.0, (zone, year)
        origin = Decimal(repr(angle_value(a(8801))))
        north, south = (angle_text(str(origin + d), 9102, year)
                        for d in (Decimal(1) / 3600, Decimal(-1) / 3600))
        row = (TYPE_OF[kind], ELLIPSOID_NAME[ell], a(8802), a(8801), north, south, None,
               None, "0", ln(8806), ln(8807))
    elif kind == "LCC":
        # The northern standard parallel first, as in the FIXED rows.
        sp = sorted((8823, 8824), key=lambda c: -angle_value(a(c)))
        row = (TYPE_OF[kind], ELLIPSOID_NAME[ell], a(8822), a(8821), a(sp[0]), a(sp[1]), None,
               None, "0", ln(8826), ln(8827))
    else:
        raise SystemExit("zone %d %d: no rule for %s from %s" % (zone, year, kind, name))
    return row, "%s:%s" % src


def cxx_text(t):
    return "nullptr" if t is None else '"%s"' % t


def write_table(db, catalogue):
    out = ["// State plane zone parameters of 1927 and 1983, one row per zone.",
           "// Written by tools/gen_statezones.py from the EPSG dataset in PROJ's database;",
           "// the comment after each row names its source. 1927 lengths are US survey",
           "// feet in metres (1 ft = 1200/3937 m).",
           GREAT_LAKES_NOTE.rstrip("\n"),
           '#include "proj/statezones.h"', "", "namespace QVProj {", ""]
    for year in (1927, 1983):
        out.append("const StateZoneParams kStateZones%d[kNumStateZones] = {" % year)
        for zone, _, name, kinds, stars in catalogue:
            kind = kinds[year]
            if zone in GREAT_LAKES_WITHOUT_DEFINITION:
                out.append("    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr,"
                           " nullptr, nullptr, 0, 0, 0}, // %d %s: no published definition"
                           % (zone, name))
                continue
            if kind is None:
                out.append("    {PT_UNDEFINED, ET_USER_DEFINED, nullptr, nullptr, nullptr, nullptr,"
                           " nullptr, nullptr, 0, 0, 0}, // %d %s: none" % (zone, name))
                continue
            row, note = build_row(db, zone, year, kind, stars[year])
            fields = list(row[:2]) + [cxx_text(t) for t in row[2:8]] + list(row[8:])
            out.append("    {%s}, // %d %s (%s)" % (", ".join(fields), zone, name, note))
        out.append("};")
        out.append("")
    out.append("} // namespace QVProj")
    text = "\n".join(out) + "\n"
    try:
        text = subprocess.run(["clang-format", "--assume-filename=" + OUTPUT], input=text,
                              capture_output=True, text=True, check=True, cwd=ROOT).stdout
    except (OSError, subprocess.CalledProcessError):
        print("clang-format not run", file=sys.stderr)
    with open(OUTPUT + ".tmp", "w") as f:
        f.write(text)
    os.replace(OUTPUT + ".tmp", OUTPUT)


# ---- reference data -------------------------------------------------------

def proj_string(auth, code):
    """PROJ's own definition of the system, projection only, in metres."""
    s = subprocess.run(["projinfo", "-o", "PROJ", "-q", "%s:%s" % (auth, code)],
                       capture_output=True, text=True, check=True).stdout.strip()
    keep = []
    for tok in s.split():
        key = tok.split("=")[0]
        if key in ("+type", "+no_defs", "+towgs84", "+nadgrids", "+units"):
            continue
        if tok == "+datum=NAD27":
            tok = "+ellps=clrk66"
        elif tok == "+datum=NAD83":
            tok = "+ellps=GRS80"
        keep.append(tok)
    return " ".join(keep + ["+units=m"])


def inside_point(extent):
    south, north, west, east = extent
    if west > east:  # across the antimeridian
        east += 360
    lon = (west + east) / 2
    if lon > 180:
        lon -= 360
    return round(lon, 4), round((south + north) / 2, 4)


def run_proj(definition, lon, lat):
    out = subprocess.run(["proj", "-f", "%.6f"] + definition.split(), input="%r %r\n" % (lon, lat),
                         capture_output=True, text=True, check=True).stdout.split()
    return out[0], out[1]


def reference_rows(db, catalogue):
    for zone, _, name, kinds, _ in catalogue:
        for year, sources in ((1927, SOURCE_1927), (1983, SOURCE_1983)):
            if kinds[year] is None or zone not in sources:
                continue
            auth, code = sources[zone]
            _, _, _, extent = db.crs(auth, code)
            yield zone, year, name, auth, code, proj_string(auth, code), inside_point(extent)


def write_reference(db, catalogue):
    ref = ["# State plane zones: one point inside each zone and year, projected with PROJ",
           "# (Debian proj-bin/proj-data 9, `proj -f %.6f`) from the zone's definition in",
           "# PROJ's database: `projinfo -o PROJ -q AUTH:CODE`, with +units=m in place of",
           "# the system's unit, +datum=NAD27/NAD83 replaced by +ellps=clrk66/GRS80 and",
           "# +towgs84 dropped, so projection only, no datum shift, x y in metres.",
           "# The point is the centre of the system's area of use, rounded to 1e-4 degree.",
           "# The source of each row is in statezones_epsg.txt. Not listed: zones 138 to",
           "# 141 (Great Lakes), which have no EPSG definition.",
           "# zone year lon lat x y"]
    defs = ["# The definition of each state plane zone and year in PROJ's database",
            "# (Debian proj-data 9), as `projinfo -o PROJ -q AUTH:CODE` prints it, reduced",
            "# to the projection (see statezones_ref.txt). Guam 1927 comes from the ESRI",
            "# entries (no EPSG polyconic definition); the others are EPSG codes.",
            "# zone year source definition"]
    for zone, year, name, auth, code, definition, (lon, lat) in reference_rows(db, catalogue):
        x, y = run_proj(definition, lon, lat)
        ref.append("%d %d %r %r %s %s" % (zone, year, lon, lat, x, y))
        defs.append("%d %d %s:%s %s" % (zone, year, auth, code, definition))
    for path, lines in ((REF_FILE, ref), (EPSG_FILE, defs)):
        with open(path + ".tmp", "w") as f:
            f.write("\n".join(lines) + "\n")
        os.replace(path + ".tmp", path)


def read_table():
    """{(zone, year): row fields} parsed back from the written table."""
    text = open(OUTPUT).read()
    rows, year = {}, None
    for m in re.finditer(r"kStateZones(1927|1983)\[|\{(PT_\w+),\s*(ET_\w+),(.*?)\},\s*// (\d+)",
                         text, re.S):
        if m.group(1):
            year = int(m.group(1))
            continue
        vals = [v.strip() for v in m.group(4).split(",")]
        vals = [None if v == "nullptr" else v.strip('"') for v in vals]
        rows[(int(m.group(5)), year)] = (m.group(2), m.group(3)) + tuple(vals)
    return rows


def table_proj_string(row):
    typ, ell, lon0, lat0, lat1, lat2, lon1, alpha, k0, x0, y0 = row
    ellnum = {v: k for k, v in ELLIPSOID_NAME.items()}[ell]
    g = lambda t: repr(angle_value(t)) if t else "0"  # noqa: E731
    if typ == "PT_UTM":
        s = "+proj=tmerc +lat_0=%s +lon_0=%s +k=%s" % (g(lat0), g(lon0), k0)
    elif typ == "PT_LAMBERT":
        s = "+proj=lcc +lat_0=%s +lon_0=%s +lat_1=%s +lat_2=%s" % (g(lat0), g(lon0), g(lat1),
                                                                   g(lat2))
    elif typ == "PT_POLYCONIC":
        s = "+proj=poly +lat_0=%s +lon_0=%s" % (g(lat0), g(lon0))
    else:  # Alaska 1: azimuth form with u measured from the centre
        s = "+proj=omerc +lat_0=%s +lonc=%s +alpha=%s +k=%s" % (g(lat0), g(lon1), g(alpha), k0)
    return "%s +x_0=%s +y_0=%s %s +units=m" % (s, x0, y0, ELLIPSOID_PROJ[ellnum])


def check(catalogue):
    table = read_table()
    worst = {}
    for line in open(REF_FILE):
        if line.startswith("#"):
            continue
        zone, year, lon, lat, x, y = line.split()
        row = table[(int(zone), int(year))]
        tx, ty = run_proj(table_proj_string(row), float(lon), float(lat))
        d = max(abs(float(tx) - float(x)), abs(float(ty) - float(y)))
        kind = row[0]
        if d >= worst.get(kind, (-1,))[0]:
            worst[kind] = (d, int(zone), int(year))
        if d > 0.001:
            print("zone %s %s: table and EPSG differ by %.4f m" % (zone, year, d))
    for kind, (d, zone, year) in sorted(worst.items()):
        print("%-12s largest difference %.6f m (zone %d %d)" % (kind, d, zone, year))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ref", action="store_true", help="also write the reference data")
    ap.add_argument("--check", action="store_true", help="compare the table with EPSG")
    args = ap.parse_args()
    catalogue = read_catalogue()
    db = Db(PROJ_DB)
    if args.check:
        check(catalogue)
        return
    write_table(db, catalogue)
    if args.ref:
        write_reference(db, catalogue)


if __name__ == "__main__":
    main()
