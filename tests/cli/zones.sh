#!/usr/bin/env bash
# End-to-end checks of `qvproj zones`: the list, one zone's parameters, --json,
# the year filter and the errors.
. "$(dirname "$0")/common.bash"
check list "   0   101  Alabama East                             TM    TM" "$Q" zones
check list-guam "  34  5400  Guam Island                              Poly  -" "$Q" zones
check list-montana "  75  2500  Montana                                  -     LCC" "$Q" zones
check list-lakes " 139     0  Great Lakes Survey 2                     HOM   HOM" "$Q" zones
check_lines list-all 143 "$Q" zones                 # header and 142 zones
check_lines list-1927 139 "$Q" zones --year 1927    # header, 135 zones and the three unpublished ones
check_lines list-1983 128 "$Q" zones --year 1983    # header, 124 zones and the three unpublished ones
# Great Lakes Survey 1, 3 and 4 have no published definition.
check list-unpublished " 138     0  Great Lakes Survey 1                     n/a   n/a" "$Q" zones
check show-unpublished "definition not available" "$Q" zones --zone-index 138
check list-json '{"index": 105, "code": 5200, "name": "Puerto Rico and Virgin Islands (1983)", "years": [1983], "projection": {"1983": "LCC"}}' "$Q" zones --json
check list-json-both '"years": [1927, 1983], "projection": {"1927": "TM", "1983": "TM"}' "$Q" zones --json
# A zone by name (case and punctuation ignored, the catalogue's misspellings
# and their correct spellings), by USGS code, or by --zone-index.
check show-name "false-easting   152400.3048006096" "$Q" zones "ALABAMA-east"
check show-code "index 0  code 0101  Alabama East" "$Q" zones 101
check show-code-zeros "index 0  code 0101  Alabama East" "$Q" zones 0101
check show-index "k0              0.99996" "$Q" zones --zone-index 0
check show-michigan "ellipsoid 42 State Plane 1927, Michigan" "$Q" zones "Michigan North"
check show-json '"1983": {"type": 5, "projection": "LCC", "ellipsoid": 3, "lon0": -176, "lat0": 51' "$Q" zones "Alaska 10" --json
check show-none "no zone in 1983" "$Q" zones "Michigan East (old)" --year 1983
check delaware "index 28  code 0700  Deleware" "$Q" zones Delaware
check deleware "index 28  code 0700  Deleware" "$Q" zones deleware
check mississippi "index 70  code 2301  Missippippi East" "$Q" zones "Mississippi East"
# The PROJ string of each year, as cs2cs and GDAL take it.
check proj-tm "+proj=tmerc +lat_0=30.5 +lon_0=-85.83333333333333 +k_0=0.99996 +x_0=152400.3048006096 +y_0=0 +ellps=clrk66" "$Q" zones 0101 --year 1927
check proj-lcc "+proj=lcc +lat_0=51 +lon_0=-176 +lat_1=53.833333333333336 +lat_2=51.833333333333336 +x_0=1000000 +ellps=GRS80" "$Q" zones 5010 --year 1983
check proj-json '"proj": "+proj=poly +lat_0=13.472466352777777' "$Q" zones "guam island" --json
for bad in 142 0 64 Atlantis; do
  check_exit "refuse-$bad" 2 "$Q" zones "$bad"
done
check great-lakes "the Great Lakes zones have no USGS code" "$Q" zones 0
check bad-index "--zone-index: want a whole number from 0 to 141, not '142'" "$Q" zones --zone-index 142
check_exit hex-index 2 "$Q" fwd --zone-index 0x10 --sp83
check bad-year "--year: want 1927 or 1983, not '1900'" "$Q" zones --year 1900
check_exit bad-year-exit 2 "$Q" zones --year 1900
check_exit help 0 "$Q" zones --help
finish "zones"
