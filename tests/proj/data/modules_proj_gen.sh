#!/usr/bin/env bash
# Writes modules_proj.txt: projected coordinates of a grid of points computed
# with PROJ's `proj` program (Debian proj-bin) for the definitions below,
# which use the same standard formulas as the modules (Mercator, Transverse
# Mercator with +approx and exact, UTM, Lambert Conformal Conic; spheres
# by +R, ellipsoids by +a and +rf).
set -euo pipefail
out=${1:-modules_proj.txt}
CLARKE="+a=6378206.4 +rf=294.9786982"
WGS="+a=6378137 +rf=298.257223563"
GRS="+a=6378137 +rf=298.257222101"
{
echo "# Reference coordinates computed with $(proj 2>&1 | head -1 | tr -s ' ')"
echo "# (Debian proj-bin) by tests/proj/data/modules_proj_gen.sh."
echo "# case: name type a rf lat0 lon0 lat1 lat2 k0 | PROJ definition"
echo "# then: lon lat x y   (degrees in, metres out, PROJ's -f %.6f)"
emit() { # name type a rf lat0 lon0 lat1 lat2 k0 projdef lonlist latlist
  local name=$1 type=$2 a=$3 rf=$4 lat0=$5 lon0=$6 lat1=$7 lat2=$8 k0=$9 def=${10} lons=${11} lats=${12}
  echo "case $name $type $a $rf $lat0 $lon0 $lat1 $lat2 $k0 | $def"
  for lat in $lats; do for lon in $lons; do
    echo "$lon $lat $(echo "$lon $lat" | proj -f '%.6f' $def | tr '\t' ' ')"
  done; done
}
emit merc_sphere 1 6370997 0 0 0 0 0 0 "+proj=merc +R=6370997" \
  "-179 -120 -45 0 30 90 179" "-85 -60 -20 0 15 45 80"
emit merc_sphere_ts 1 6370997 0 45 -100 0 0 0 "+proj=merc +R=6370997 +lat_ts=45 +lon_0=-100" \
  "-170 -100 -40 60" "-70 -10 0 35 75"
emit merc_clarke 1 6378206.4 294.9786982 0 0 0 0 0 "+proj=merc $CLARKE" \
  "-179 -120 -45 0 30 90 179" "-85 -60 -20 0 15 45 80"
emit merc_wgs_ts 1 6378137 298.257223563 -30 20 0 0 0 "+proj=merc $WGS +lat_ts=-30 +lon_0=20" \
  "-150 -20 20 100" "-80 -35 0 10 60 84"
emit tmerc_sphere 17 6370997 0 10 -75 0 0 0.9996 "+proj=tmerc +R=6370997 +lat_0=10 +lon_0=-75 +k_0=0.9996" \
  "-119 -95 -80 -75 -72 -50 -31" "-80 -45 -10 0 10 40 85"
emit tmerc_clarke_approx 17 6378206.4 294.9786982 30.5 -85.8333333333333 0 0 0.99996 \
  "+proj=tmerc +approx $CLARKE +lat_0=30.5 +lon_0=-85.8333333333333 +k_0=0.99996" \
  "-89 -87.5 -86 -85.8333333333333 -84.5 -83" "-20 0 25 30.5 35 50 70"
emit tmerc_clarke_exact 17 6378206.4 294.9786982 30.5 -85.8333333333333 0 0 0.99996 \
  "+proj=tmerc $CLARKE +lat_0=30.5 +lon_0=-85.8333333333333 +k_0=0.99996" \
  "-89 -87.5 -86 -85.8333333333333 -84.5 -83" "-20 0 25 30.5 35 50 70"
emit utm_wgs_33 4 6378137 298.257223563 0 15 0 0 0.9996 "+proj=utm +zone=33 $WGS" \
  "9 12 14.5 15 16 18 21" "0 10 30 45 60 72 84"
emit utm_grs_17s 4 6378137 298.257222101 0 -81 0 0 0.9996 "+proj=utm +zone=17 +south $GRS" \
  "-84 -82 -81 -79 -78" "-80 -55 -30 -10 -0.5"
emit lcc_sphere 5 6370997 0 23 -96 33 45 0 "+proj=lcc +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=33 +lat_2=45" \
  "-170 -125 -96 -75 -20" "-30 0 23 35 50 80"
emit lcc_clarke 5 6378206.4 294.9786982 23 -96 33 45 0 "+proj=lcc $CLARKE +lat_0=23 +lon_0=-96 +lat_1=33 +lat_2=45" \
  "-170 -125 -96 -75 -20" "-30 0 23 35 50 80"
emit lcc_grs_south 5 6378137 298.257222101 -32 135 -18 -36 0 "+proj=lcc $GRS +lat_0=-32 +lon_0=135 +lat_1=-18 +lat_2=-36" \
  "100 120 135 150 170" "-70 -45 -32 -20 -5 10"
} > "$out"
