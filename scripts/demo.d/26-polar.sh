# Polar Stereographic: the north polar aspect with the scale 0.994 at the
# pole and a false origin of 2000000 m, as the Universal Polar Stereographic
# grid; the Antarctic place lies beyond the map's hemisphere and prints as
# '*'. Then the map coordinates back to longitude and latitude, and the
# Antarctic place on the south polar aspect.
UPS_NORTH=(--type Stereographic --lat0 90 --k0 0.994 --false-easting 2000000 --false-northing 2000000)
run fwd "${UPS_NORTH[@]}" "$DATA/polar_points.txt"
echo "\$ qvproj fwd ${UPS_NORTH[*]} ... | grep -v '^\*' | qvproj inv ${UPS_NORTH[*]}"
"$Q" fwd "${UPS_NORTH[@]}" "$DATA/polar_points.txt" | grep -v '^\*' | "$Q" inv "${UPS_NORTH[@]}"
echo
echo "\$ echo '166.6683 -77.8419 McMurdo Station' | qvproj fwd --type Stereographic --lat0 -90 --k0 0.994 --false-easting 2000000 --false-northing 2000000"
echo '166.6683 -77.8419 McMurdo Station' |
  "$Q" fwd --type Stereographic --lat0 -90 --k0 0.994 --false-easting 2000000 --false-northing 2000000
echo
