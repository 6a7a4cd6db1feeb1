#!/usr/bin/env bash
# End-to-end checks of qvproj fwd and inv: projections from options and
# shortcuts, pass-through columns, the unplottable marker, errors and exits.
. "$(dirname "$0")/common.bash"
DATA=${DATA:?}
# PROJ 9.1 (proj +proj=utm +zone=33 +ellps=WGS84) gives 500000.00 4982950.40
# and 577432.18 5094533.59 for these points; with +zone=17 +south, -81 -30 is
# 500000.00 6681214.65.
check_exact utm-fwd $'500000.00\t4982950.40\n# note\n577432.18\t5094533.59\tkeep me' \
  bash -c "printf '15 45\n# note\n16 46 keep me\n' | '$Q' fwd --utm 33N"
check_exact utm-inv $'15.000000\t45.000000' bash -c "echo '500000 4982950.40' | '$Q' inv --utm 33N --precision 6"
check_exact utm-south-inv $'-81.000000\t-30.000000' \
  bash -c "echo '500000 6681214.65' | '$Q' inv --utm 17S"
# Alabama East, 1927 (PROJ: +proj=tmerc +approx +lat_0=30.5 +lon_0=-85.8333333333333
# +k_0=0.99996 +x_0=152400.3048006096 +ellps=clrk66).
check_exact stateplane27 $'108480.56\t207065.69' \
  bash -c "echo '-86.3 32.3668' | '$Q' fwd --zone 'Alabama East' --sp27"
check_exact stateplane83 $'156081.20\t207072.63' \
  bash -c "echo '-86.3,32.3668' | '$Q' fwd --zone 0 --sp83"
# Snyder's Lambert example on Clarke 1866 (x 1894410.9, y 1564649.5), with angle texts.
check_exact lambert $'1894410.90\t1564649.48' \
  bash -c "echo \"75dW 35dN\" | '$Q' fwd --type 'lambert conformal conic' --ellipsoid 15 --lat1 33 --lat2 45 --lat0 23 --lon0 -96"
check_exact sphere $'0.2966785\t0.2462112' \
  bash -c "echo '-75 35' | '$Q' fwd --type 5 --radius 1 --lat1 33 --lat2 45 --lat0 23 --lon0 -96 --precision 7"
check_exact unplottable $'*\t*\n*\t*' bash -c "printf '0 90\nnan 1\n' | '$Q' fwd --type mercator"
check_exit unplottable-exit 0 bash -c "echo '0 90' | '$Q' fwd --type 1"
check_exact false-origin-scale $'10200000.00\t0.00' \
  bash -c "echo '0 0' | '$Q' fwd --type 17 --radius 1 --false-easting 5100000 --scale 2"
check_exact files "$(cat <<'EOT'
# Sample places: longitude latitude (degrees) and a name.
-86.300000	32.366800	Montgomery, Alabama
EOT
)" bash -c "'$Q' fwd --utm 16N '$DATA/sample_points.txt' | '$Q' inv --utm 16N | head -2"
check bad-params "Standard parallels (Lat1, Lat2) cannot be similar for Lambert Conformal Conic projection" \
  "$Q" fwd --type 5 --lat1 30 --lat2 30.1
check_exit bad-params-exit 1 "$Q" fwd --type 5 --lat1 30 --lat2 30.1
check bad-zone "State zone parameter not recognized" "$Q" fwd --zone 61 --sp83
check unknown-zone "unknown state plane zone 'Atlantis'" "$Q" fwd --zone Atlantis --sp27
check bad-type "Invalid projection type parameter specified" "$Q" fwd --type 30
check unknown-type "unknown projection type 'foo'" "$Q" fwd --type foo
check no-projection "give exactly one of --type, --utm and --zone" "$Q" fwd
check malformed "line 2: cannot read a point from 'oops'" bash -c "printf '1 1\noops\n2 2\n' | '$Q' fwd --type 1"
check_exit malformed-goes-on 0 bash -c "printf '1 1\noops\n2 2\n' | '$Q' fwd --type 1"
check_exit malformed-strict 1 bash -c "printf '1 1\noops\n2 2\n' | '$Q' fwd --type 1 --strict"
# Albers with sin Lat1 + sin Lat2 = 0 on a sphere: the library refuses the call.
check refused "Albers Equal Area Conic: the library could not convert these points" \
  bash -c "echo '15 45' | '$Q' fwd --type 2 --lat1 270 --lat2 90 --radius 6370997 --flattening 0"
check_exit refused-exit 1 bash -c "echo '15 45' | '$Q' fwd --type 2 --lat1 270 --lat2 90 --radius 6370997 --flattening 0"
# Streaming across conversion blocks: order, comments and pass-through kept.
big=$(mktemp)
awk 'BEGIN { for (i = 1; i <= 10000; i++) { if (i % 997 == 0) print "# mark " i; print (i % 360) - 180, (i % 170) - 85, "id" i } }' > "$big"
check_exact stream-lines "$(wc -l < "$big")" bash -c "'$Q' fwd --type 0 '$big' | wc -l"
check_exact stream-order "$(sed -n '8979,8983p' "$big" | awk '{ if ($1 == "#") print; else printf "%.6f\t%.6f\t%s\n", $1, $2, $3 }')" \
  bash -c "'$Q' fwd --type 0 '$big' | sed -n '8979,8983p'"
rm -f "$big"
for sub in fwd inv; do check_exit "help-$sub" 0 "$Q" "$sub" --help; done
finish "projection CLI"
