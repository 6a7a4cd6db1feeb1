#!/usr/bin/env bash
# End-to-end checks of qvproj fwd and inv: projections from options and
# shortcuts, pass-through columns, the safeguards around the library (guard.h),
# line alignment, refusals and exit statuses.
. "$(dirname "$0")/common.bash"
DATA=${DATA:?}
fwd() { printf -- "$1" | "$Q" fwd "${@:2}"; }
inv() { printf -- "$1" | "$Q" inv "${@:2}"; }

# PROJ 9.1 (proj +proj=utm +zone=33 +ellps=WGS84) gives 500000.00 4982950.40
# and 577432.18 5094533.59 for these points; with +zone=17 +south, -81 -30 is
# 500000.00 6681214.65.
check_exact utm-fwd $'500000.00\t4982950.40\n# note\n577432.18\t5094533.59\tkeep me' fwd '15 45\n# note\n16 46 keep me\n' --utm 33N
check_exact utm-inv $'15.000000\t45.000000' inv '500000 4982950.40\n' --utm 33N
check_exact utm-south-inv $'-81.000000\t-30.000000' inv '500000 6681214.65\n' --utm 17S
# Alabama East, 1927 (PROJ: +proj=tmerc +approx +lat_0=30.5 +lon_0=-85.8333333333333
# +k_0=0.99996 +x_0=152400.3048006096 +ellps=clrk66), by name and by USGS code.
check_exact stateplane27 $'108480.56\t207065.69' fwd '-86.3 32.3668\n' --zone 'alabama-EAST' --sp27
check_exact stateplane83 $'156081.20\t207072.63' fwd '-86.3,32.3668\n' --zone 0101 --sp83
check_exact zone-index $'156081.20\t207072.63' fwd '-86.3 32.3668\n' --zone-index 0 --sp83
# Snyder's Lambert example on Clarke 1866 (x 1894410.9, y 1564649.5), with
# angle texts; hemisphere letters give the order.
lcc=(--type 'lambert conformal conic' --ellipsoid clarke1866 --lat1 33 --lat2 45 --lat0 23 --lon0 -96)
check_exact lambert $'1894410.90\t1564649.48' fwd "75dW 35dN\n" "${lcc[@]}"
check_exact lat-first $'1894410.90\t1564649.48' fwd "35dN 75dW\n" "${lcc[@]}"
check_exact lat-first-one-letter $'1894410.90\t1564649.48' fwd "35N -75\n" "${lcc[@]}"
check two-latitudes "two latitudes" fwd "35N 75S\n" "${lcc[@]}"
check_exact sphere $'0.2966785\t0.2462112' fwd '-75 35\n' --type 5 --radius 1 --lat1 33 --lat2 45 --lat0 23 --lon0 -96 --precision 7
check_exact false-origin-scale $'10200000.00\t0.00' fwd '0 0\n' --type 17 --radius 1 --false-easting 5100000 --scale 2
check_exact files "$(cat <<'EOT'
# Sample places: longitude latitude (degrees) and a name.
-86.300000	32.366800	Montgomery, Alabama
EOT
)" bash -c "'$Q' fwd --utm 16N '$DATA/sample_points.txt' | '$Q' inv --utm 16N | head -2"

# Near the antimeridian: longitudes come within 180 degrees of the central
# meridian. cs2cs EPSG:4269 EPSG:26940 gives 262781.41 267915.38; proj
# +proj=utm +zone=60 +ellps=WGS84 gives 722149.18 5543236.47, and invproj
# +zone=1 gives 177.921266 45.040405.
check_exact alaska10 $'262781.41\t267915.38' fwd '173 52.9\n' --zone 'Alaska 10' --sp83
check_exact utm60-west $'722149.18\t5543236.47' fwd '-179.9 50\n' --utm 60N
# A Hotine zone: its domain box lies about the zone's centre (cs2cs
# EPSG:4269 EPSG:26931 gives 798421.424 575147.120).
check_exact alaska1 $'798421.42\t575147.12' fwd '-134 57\n' --zone 'Alaska 1' --sp83
check_exact alaska1-inverse $'-134.000000\t57.000000' inv '798421.42 575147.12\n' --zone 'Alaska 1' --sp83
check_exact alaska1-far $'*\t*' fwd '-100 57\n' --zone 'Alaska 1' --sp83
check_exact utm1-inverse $'177.921266\t45.040405' inv '100000 5000000\n' --utm 1N
# Outside the projection's domain: '*' unless --no-domain-check.
check_exact utm-far $'*\t*' fwd '195 45\n' --utm 33N
check utm-far-off "." fwd '61 45\n' --utm 33N --no-domain-check
check_exact unplottable $'*\t*' fwd '0 90\n' --type mercator
check_exit unplottable-exit 0 fwd '0 90\n' --type 1
# Latitudes beyond 90 and longitudes beyond 360 are bad input, not folded.
check_out lat-95 $'*\t*\tkeep' fwd '10 95 keep\n' --type 1
check lat-95-named "line 1: latitude 95 is outside -90 to 90" fwd '10 95\n' --type 1
check_exit lat-95-exit 1 fwd '10 95\n' --type 1
check_out lon-1e300 $'*\t*' fwd '1e300 10\n' --type 0

# Pipelines: '*' passes through; every line gives one line, in order.
check_exact pipeline $'15.000000\t44.999974\n*\t*' bash -c "printf '15 45\n15 90\n' | '$Q' fwd --type Mercator | '$Q' inv --type Mercator"
check_out aligned $'111319.49\t110579.97\n*\t*\n*\t*\tb c\n222638.98\t221194.08' fwd '1 1\noops\nx y b c\n2 2\n' --type 1
check malformed "line 2: want two coordinates: 'oops'" fwd '1 1\noops\n2 2\n' --type 1
check_exit malformed-exit 1 fwd '1 1\noops\n2 2\n' --type 1
check_out strict $'111319.49\t110579.97' fwd '1 1\noops\n2 2\n' --type 1 --strict
check_exit strict-exit 1 fwd '1 1\noops\n2 2\n' --type 1 --strict
check hex-refused "cannot read '0x10'" fwd '0x10 1\n' --type 1
check_exact denormal $'0.000000\t0.000000' fwd '1e-320 0\n' --type 0
# A 1 MB line is named in 80 characters; escape sequences do not reach the terminal.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
head -c 1000000 /dev/zero | tr '\0' 'x' > "$tmp/long.txt"
check_exact long-line "qvproj: line 1: want two coordinates: '$(head -c 80 "$tmp/long.txt")'..." \
  bash -c "'$Q' fwd --type 1 < '$tmp/long.txt' 2>&1 >/dev/null | head -1"
check escaped 'x\x1b[31m' fwd 'x\033[31m 1\n' --type 1
big=$tmp/big.txt
awk 'BEGIN { for (i = 1; i <= 10000; i++) { if (i % 997 == 0) print "# mark " i; print (i % 360) - 180, (i % 170) - 85, "id" i } }' > "$big"
check_exact stream-lines "$(wc -l < "$big")" bash -c "'$Q' fwd --type 0 '$big' | wc -l"
check_exact stream-order "$(sed -n '8979,8983p' "$big" | awk '{ if ($1 == "#") print; else printf "%.6f\t%.6f\t%s\n", $1, $2, $3 }')" \
  bash -c "'$Q' fwd --type 0 '$big' | sed -n '8979,8983p'"

# Refusals: usage errors exit 2, run-time failures 1.
check bad-params "Standard parallels (Lat1, Lat2) cannot be similar for Lambert Conformal Conic projection" "$Q" fwd --type 5 --lat1 30 --lat2 30.1
check_exit bad-params-exit 2 "$Q" fwd --type 5 --lat1 30 --lat2 30.1
check zone-year "'Montana' has no 1927 definition" "$Q" fwd --zone Montana --sp27
check unknown-zone "unknown state plane zone 'Atlantis'" "$Q" fwd --zone Atlantis --sp27
check zone-code "no state plane zone has the USGS code 61" "$Q" fwd --zone 61 --sp83
check bad-type "--type 30 names no projection" "$Q" fwd --type 30
check unknown-type "unknown projection type 'foo'" "$Q" fwd --type foo
check no-projection "give the projection" "$Q" fwd
# A spherical Lambert cone with Lat2 = -Lat1 has no inverse: the library fails the call.
check refused "the library could not convert" inv '0 0\n' --type 5 --lat1 30 --lat2 -30 --radius 6370997 --flattening 0
check_exit refused-exit 1 inv '0 0\n' --type 5 --lat1 30 --lat2 -30 --radius 6370997 --flattening 0
check directory "is a directory" "$Q" fwd --utm 33N /tmp
check_exit directory-exit 1 "$Q" fwd --utm 33N /tmp
refuse() { # name, message, arguments of fwd
  check "$1" "$2" "$Q" fwd "${@:3}"
  check_exit "$1-exit" 2 "$Q" fwd "${@:3}"
}
refuse precision-123 "--precision: want a whole number from 0 to 15" --type 1 --precision 123
refuse precision-max "--precision: want a whole number from 0 to 15" --type 1 --precision 2147483647
refuse scale-inf "--scale: want a number, not 'inf'" --type 1 --scale inf
refuse scale-nan "--scale: want a number, not 'nan'" --type 1 --scale nan
refuse scale-hex "--scale: want a number, not '0x10'" --type 1 --scale 0x10
refuse radius-inf "--radius: want a number, not 'inf'" --type 1 --radius inf
refuse lat1-91 "--lat1: latitude 91 is outside -90 to 90" --type 5 --lat1 91 --lat2 30
refuse mercator-lat0 "--lat0: latitude 270 is outside -90 to 90" --type mercator --lat0 270
refuse lon0-400 "--lon0: longitude 400 is outside -360 to 360" --type mercator --lon0 400
for zone in 0N 61N -33N 99999999999999999999N 33X; do
  refuse "utm-$zone" "is no UTM zone" --utm "$zone"
done
refuse utm-south "--south does not go here: --utm fixes" --utm 33N --south
refuse utm-sp27 "--sp27 and --sp83 go with --zone" --utm 33N --sp27
refuse utm-false-easting "--false-easting does not go here" --utm 33S --false-easting 7
refuse unused-parameter "--lat1 does not go here: Mercator takes" --type 1 --lat1 10
refuse two-ellipsoids "drop --ellipsoid" --type 1 --ellipsoid 1 --radius 2
refuse two-years "needs one of --sp27 and --sp83" --zone 0101 --sp27 --sp83
refuse two-projections "give only one of" --type 1 --proj +proj=merc
refuse zone-scale-only "--lon0 does not go here: a state plane zone" --zone 0101 --sp83 --lon0 3
check negative-values $'500000.00\t0.00' fwd '-177 0\n' --type 4 --lon0 -177
check_exit help-fwd 0 "$Q" fwd --help
check_exit help-inv 0 "$Q" inv --help
finish "projection CLI"
