#!/usr/bin/env bash
# End-to-end checks of qvproj clip: lines cut at the map edge, the shifted
# copy across the antimeridian, polygons closed along the edge, errors.
. "$(dirname "$0")/common.bash"
line=$'170 0\n190 0'
check_exact antimeridian $'# line 1: 2 points\n170.000\t0.000\n179.999\t0.000\n\n# line 2: 2 points\n-179.999\t0.000\n-170.000\t0.000' \
  bash -c "printf '%s\n' '$line' | '$Q' clip --type Mercator --precision 3"
check two-lines "# line 2: 2 points" bash -c "printf '0 0\n10 10\n\n20 20\n30 30\n' | '$Q' clip --utm 33N"
check nothing "# nothing visible" bash -c "printf '10 90\n20 90\n' | '$Q' clip --type 1"
check polygon "# area 1: 1 part(s)" bash -c "printf '0 80\n10 80\n10 90\n0 90\n0 80\n' | '$Q' clip --type 1 --polygon"
check polygon-json '{"kind": "area", "parts": [[[0, 80], [10, 80]' \
  bash -c "printf '0 80\n10 80\n10 90\n0 90\n0 80\n' | '$Q' clip --type 1 --polygon --json"
check short-line "cannot clip" bash -c "printf '0 0\n' | '$Q' clip --type 1"
check bad-point "line 2: cannot read 'x' as an angle: 'x y'" bash -c "printf '0 0\nx y\n' | '$Q' clip --type 1"
check bad-latitude "line 2: longitude or latitude out of range" bash -c "printf '0 0\n10 95\n' | '$Q' clip --type 1"
check_exit bad-exit 1 bash -c "printf '0 0\n' | '$Q' clip --type 1"
check_exit no-projection 2 bash -c "printf '0 0\n1 1\n' | '$Q' clip"
# Records the preclipper cannot serve are refused, not "nothing visible".
check unprojected "no edge to clip at" bash -c "printf '0 0\n1 1\n' | '$Q' clip --type 0"
check_exit unprojected-exit 2 bash -c "printf '0 0\n1 1\n' | '$Q' clip --type 0"
check_exit undefined-exit 2 bash -c "printf '0 0\n1 1\n' | '$Q' clip --type 999"
check describe "+proj=merc +ellps=WGS84" "$Q" clip --type 1 --describe
check_exit help 0 "$Q" clip --help
finish "clip CLI"
