# Projecting sample places through UTM, a state plane zone and Lambert
# Conformal Conic, and back again.
run fwd --utm 16N "$DATA/sample_points.txt"
"$Q" fwd --utm 16N "$DATA/sample_points.txt" > "${TMPDIR:-/tmp}/qvproj-demo-utm.txt"
echo "\$ qvproj fwd --utm 16N ... | qvproj inv --utm 16N"
"$Q" inv --utm 16N "${TMPDIR:-/tmp}/qvproj-demo-utm.txt"
echo
run fwd --zone "Alabama East" --sp27 "$DATA/sample_points.txt"
run fwd --zone "Alabama East" --sp27 --describe
echo "\$ echo '173 52.9' | qvproj fwd --zone \"Alaska 10\" --sp83   # west of the zone's meridian -176"
echo '173 52.9' | "$Q" fwd --zone "Alaska 10" --sp83
echo
run fwd --zone "Alabama East" --sp83 "$DATA/sample_points.txt"
echo "\$ echo '200000 100000' | qvproj inv --zone \"Alabama East\" --sp83"
echo '200000 100000' | "$Q" inv --zone "Alabama East" --sp83
echo
run fwd --type "Lambert Conformal Conic" --ellipsoid "GRS 1980 / IUGG 1980" --lat1 33 --lat2 45 --lat0 23 --lon0 -96 "$DATA/sample_points.txt"
echo "\$ qvproj fwd --type 5 ... | qvproj inv --type 5 ..."
"$Q" fwd --type 5 --lat1 33 --lat2 45 --lat0 23 --lon0 -96 "$DATA/sample_points.txt" |
  "$Q" inv --type 5 --lat1 33 --lat2 45 --lat0 23 --lon0 -96
rm -f "${TMPDIR:-/tmp}/qvproj-demo-utm.txt"
echo
# A line across the antimeridian, cut at the edge of a Mercator map: the
# second piece is the copy shifted by 360 degrees.
echo "\$ printf '170 0\\n190 0\\n' | qvproj clip --type Mercator --precision 3"
printf '170 0\n190 0\n' | "$Q" clip --type Mercator --precision 3
echo
