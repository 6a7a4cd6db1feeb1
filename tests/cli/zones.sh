#!/usr/bin/env bash
# End-to-end checks of `qvproj zones`: the list, one zone's parameters, --json,
# the year filter and the errors.
. "$(dirname "$0")/common.bash"
check list "   0   101  Alabama East                             TM    TM" "$Q" zones
check list-guam "  34  5400  Guam Island                              Poly  -" "$Q" zones
check list-montana "  75  2500  Montana                                  -     LCC" "$Q" zones
check list-lakes " 139     0  Great Lakes Survey 2                     HOM   HOM" "$Q" zones
check_lines list-all 140 "$Q" zones                 # header and 139 zones (138, 140, 141 have no definition)
check_lines list-1927 136 "$Q" zones --year 1927    # header and 135 zones
check_lines list-1983 125 "$Q" zones --year 1983    # header and 124 zones
check list-json '{"zone": 105, "code": 5200, "name": "Puerto Rico and Virgin Islands (1983)", "years": [1983], "projection": {"1983": "LCC"}}' "$Q" zones --json
check list-json-both '"years": [1927, 1983], "projection": {"1927": "TM", "1983": "TM"}' "$Q" zones --json
check show-name "false_easting   152400.3048" "$Q" zones "alabama east"
check show-k0 "k0              0.99996" "$Q" zones 0
check show-michigan "ellipsoid 42 State Plane 1927, Michigan" "$Q" zones 64
check show-json '"1983": {"type": 5, "projection": "LCC", "ellipsoid": 3, "lon0": -176, "lat0": 51' "$Q" zones 11 --json
check show-none "no zone in 1983" "$Q" zones 61 --year 1983
check bad-name "unknown zone 'Delaware'" "$Q" zones Delaware
check bad-number "out of range" "$Q" zones 142
check bad-year "invalid year 1900" "$Q" zones --year 1900
check_exit bad-name-exit 1 "$Q" zones Delaware
check_exit bad-year-exit 1 "$Q" zones --year 1900
check_exit help 0 "$Q" zones --help
finish "zones"
