#!/usr/bin/env bash
# End-to-end checks of qvproj sidefile show: reference, RSF and world files
# in words and as JSON, names in any case, and the error exits.
. "$(dirname "$0")/common.bash"
FILES=$(cd "$(dirname "$0")/../files/data" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A world file written by GDAL (rotated and sheared).
check world "x' = A column + B row + C       A 29.5  B 4.75  C 500017.375" "$Q" sidefile show "$FILES/rot.tfw"
check world-f "y' = D column + E row + F       D 3.25  E -28.5  F 4000287.875" "$Q" sidefile show "$FILES/rot.tfw"
check world-json '"coefficients": {"A": 29.5, "B": 4.75, "C": 500017.375, "D": 3.25, "E": -28.5, "F": 4000287.875}' \
  "$Q" sidefile show "$FILES/rot.tfw" --json
cp "$FILES/map.tfw" "$tmp/MAP.TFW"
check world-upper "A 30  B 0  C 500015" "$Q" sidefile show "$tmp/MAP.TFW"
check world-other-case "A 30  B 0  C 500015" "$Q" sidefile show "$tmp/map.tfw"

cat > "$tmp/map.tif.qvr" <<'QVR'
Quorvane Cartographic Reference Information : Version 1.10
Projection Name : Universal Transverse Mercator (UTM)
Projection Scale : 1
Projection Lon0 (degrees) : -93
Projection Central Scale : 0.9996
Projection In Southern Hemisphere (UTM only) : true
Projection Ellipsoid Type : WGS 84
Datum Name : NAD 1927 - CONUS
Datum Method : Molodensky
Datum Ellipsoid Type : Clarke 1866
Datum X-Shift in meters from WGS84 : -8
Datum Y-Shift in meters from WGS84 : 160
Datum Z-Shift in meters from WGS84 : 176
Georef Method : Affine Polynomial
Georef Control Point Count : 3
Georef Point : 0  0  500000  4000000
Georef Point : 100  0  503000  4000000
Georef Point : 0  100  500000  3997000
QVR
check ref-proj "projection      Universal Transverse Mercator (UTM) (type 4)" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-k0 "Central Scale Factor (K0)         0.9996" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-south "Projection in Southern Hemisphere yes" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-datum "datum           NAD 1927 - CONUS (124), method Molodensky" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-shift "shift to WGS84 dX dY dZ (m)       -8 160 176" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-georef "georeference    Affine Polynomial (method 1), 3 control points" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-point "  1  100  0  503000  4000000" "$Q" sidefile show "$tmp/map.tif.qvr"
check ref-json '"datum": {"number": 124, "name": "NAD 1927 - CONUS", "method": 3' "$Q" sidefile show "$tmp/map.tif.qvr" --json
check ref-json-points '{"src": [0, 100], "dst": [500000, 3997000]}' "$Q" sidefile show "$tmp/MAP.TIF.QVR" --json
printf 'Quorvane Cartographic Reference Information : Version 1.1\n' > "$tmp/empty.qvr"
check_exact ref-empty "reference file  $tmp/empty.qvr
projection      none
datum           none
georeference    none" "$Q" sidefile show "$tmp/empty.qvr"
check ref-empty-json '"projection": null, "datum": null, "georeference": null' "$Q" sidefile show "$tmp/empty.qvr" --json

printf "2 2\r\n'Point 0' 1 2 0.0 3 4 0.0 1\r\n'Point 1' 5 6 0.0 7 nan 0.0 1\r\n" > "$tmp/a.RSF"
check rsf "georeference    Helmert (method 0), 2 control points" "$Q" sidefile show "$tmp/a.rsf"
check rsf-nan "  1  5  6  7  nan" "$Q" sidefile show "$tmp/a.RSF"
check rsf-json '"controls": [{"src": [1, 2], "dst": [3, 4]}, {"src": [5, 6], "dst": [7, null]}]' "$Q" sidefile show "$tmp/a.RSF" --json
# Each JSON document (one line) parses, where a Python is at hand.
if command -v python3 >/dev/null; then
  check_exit json-valid 0 bash -c "for f in '$FILES/rot.tfw' '$tmp/map.tif.qvr' '$tmp/a.RSF'; do
    '$Q' sidefile show \"\$f\" --json; done | python3 -c 'import json, sys; [json.loads(l) for l in sys.stdin]'"
fi

# Errors: one line on stderr; exit 1 for files, 2 for a name of no known kind.
printf 'not a header\n' > "$tmp/bad.qvr"
printf 'Quorvane Cartographic Reference Information : Version 2\n' > "$tmp/new.qvr"
printf '1\n2\n3\n4\n5\n6' > "$tmp/short.tfw"
printf '2 0\n' > "$tmp/none.rsf"
check bad-header "bad.qvr: Failed reading from file (no cartographic reference file header)" "$Q" sidefile show "$tmp/bad.qvr"
check newer "a reference file of a later version than 1.10; nothing read" "$Q" sidefile show "$tmp/new.qvr"
check short-world "fewer than six complete lines; no coefficients" "$Q" sidefile show "$tmp/short.tfw"
check no-points "no control points" "$Q" sidefile show "$tmp/none.rsf"
check missing "cannot open '$tmp/missing.tfw'" "$Q" sidefile show "$tmp/missing.tfw"
check unknown-kind "cannot tell the kind of side file" "$Q" sidefile show "$FILES/map.tif"
for f in bad.qvr new.qvr short.tfw none.rsf missing.tfw; do
  check_exit "exit $f" 1 "$Q" sidefile show "$tmp/$f"
  check_lines "stdout $f" 0 "$Q" sidefile show "$tmp/$f"
done
check_exit exit-kind 2 "$Q" sidefile show "$FILES/map.tif"
check_exit help 0 "$Q" sidefile show --help

finish "sidefile CLI"
