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
echo "# case: name RECORD metres degrees | PROJ definition"
echo "#   RECORD as in cases_mercator.txt; our forward must agree within metres,"
echo "#   our inverse of PROJ's coordinates within degrees"
echo "# then: lon lat x y   (degrees in, metres out, PROJ's -f %.6f)"
# The Transverse Mercator series is truncated: against PROJ's exact
# algorithm it drifts with the distance from the central meridian (out to
# 6 degrees in the UTM cases). The ellipsoidal Mercator and Lambert inverses
# stop their latitude iteration at a step of 1.2e-6 rad (6.8e-5 degrees).
emit() { # name record metres degrees projdef lonlist latlist
  local name=$1 record=$2 metres=$3 degrees=$4 def=$5 lons=$6 lats=$7
  echo "case $name $record $metres $degrees | $def"
  for lat in $lats; do for lon in $lons; do
    echo "$lon $lat $(echo "$lon $lat" | proj -f '%.6f' $def | tr '\t' ' ')"
  done; done
}
emit merc_sphere type=1,a=6370997 1e-5 1e-10 "+proj=merc +R=6370997" \
  "-179 -120 -45 0 30 90 179" "-85 -60 -20 0 15 45 80"
emit merc_sphere_ts type=1,a=6370997,lat0=45,lon0=-100 1e-5 1e-10 "+proj=merc +R=6370997 +lat_ts=45 +lon_0=-100" \
  "-170 -100 -40 60" "-70 -10 0 35 75"
emit merc_clarke type=1,a=6378206.4,rf=294.9786982 1e-5 6.83e-5 "+proj=merc $CLARKE" \
  "-179 -120 -45 0 30 90 179" "-85 -60 -20 0 15 45 80"
emit merc_wgs_ts type=1,a=6378137,rf=298.257223563,lat0=-30,lon0=20 1e-5 6.83e-5 "+proj=merc $WGS +lat_ts=-30 +lon_0=20" \
  "-150 -20 20 100" "-80 -35 0 10 60 84"
emit tmerc_sphere type=17,a=6370997,lat0=10,lon0=-75,k0=0.9996 1e-5 1e-10 "+proj=tmerc +R=6370997 +lat_0=10 +lon_0=-75 +k_0=0.9996" \
  "-119 -95 -80 -75 -72 -50 -31" "-80 -45 -10 0 10 40 85"
emit tmerc_clarke_approx type=17,a=6378206.4,rf=294.9786982,lat0=30.5,lon0=-85.8333333333333,k0=0.99996 2e-3 5e-8 \
  "+proj=tmerc +approx $CLARKE +lat_0=30.5 +lon_0=-85.8333333333333 +k_0=0.99996" \
  "-89 -87.5 -86 -85.8333333333333 -84.5 -83" "-20 0 25 30.5 35 50 70"
emit tmerc_clarke_exact type=17,a=6378206.4,rf=294.9786982,lat0=30.5,lon0=-85.8333333333333,k0=0.99996 2e-2 5e-7 \
  "+proj=tmerc $CLARKE +lat_0=30.5 +lon_0=-85.8333333333333 +k_0=0.99996" \
  "-89 -87.5 -86 -85.8333333333333 -84.5 -83" "-20 0 25 30.5 35 50 70"
emit utm_wgs_33 type=4,a=6378137,rf=298.257223563,lon0=15,k0=0.9996 2e-2 2e-6 "+proj=utm +zone=33 $WGS" \
  "9 12 14.5 15 16 18 21" "0 10 30 45 60 72 84"
emit utm_grs_17s type=4,a=6378137,rf=298.257222101,lon0=-81,k0=0.9996,south=1 2e-2 2e-6 "+proj=utm +zone=17 +south $GRS" \
  "-84 -82 -81 -79 -78" "-80 -55 -30 -10 -0.5"
emit lcc_sphere type=5,a=6370997,lat0=23,lon0=-96,lat1=33,lat2=45 1e-5 1e-10 "+proj=lcc +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=33 +lat_2=45" \
  "-170 -125 -96 -75 -20" "-30 0 23 35 50 80"
emit lcc_clarke type=5,a=6378206.4,rf=294.9786982,lat0=23,lon0=-96,lat1=33,lat2=45 1e-5 6.83e-5 "+proj=lcc $CLARKE +lat_0=23 +lon_0=-96 +lat_1=33 +lat_2=45" \
  "-170 -125 -96 -75 -20" "-30 0 23 35 50 80"
emit lcc_grs_south type=5,a=6378137,rf=298.257222101,lat0=-32,lon0=135,lat1=-18,lat2=-36 1e-5 6.83e-5 "+proj=lcc $GRS +lat_0=-32 +lon_0=135 +lat_1=-18 +lat_2=-36" \
  "100 120 135 150 170" "-70 -45 -32 -20 -5 10"
# Other conics and Cassini: Albers, Equidistant Conic, Polyconic, Bonne and
# Cassini. Equidistant Conic and Cassini are spherical for every record, so
# their ellipsoid records are compared with PROJ's sphere of radius a. The
# meridian distance series of Polyconic and Bonne stops at e^6 (PROJ's goes
# further): up to a millimetre at 10000 km from the origin. The ellipsoidal
# Albers inverse stops its latitude iteration at a step of 1.2e-6 rad (6.8e-5
# degrees), the spherical Polyconic inverse at 1.2e-7 rad (the longitude's
# error grows towards the poles). The Polyconic points stay within 80 degrees
# of the central meridian: beyond about 85 neither PROJ's nor our Newton
# iteration converges at mid latitudes.
emit aea_sphere type=2,a=6370997,lat0=23,lon0=-96,lat1=29.5,lat2=45.5 1e-6 1e-10 "+proj=aea +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5" \
  "-170 -125 -96 -75 -20" "-85 -30 0 23 35 50 85"
emit aea_clarke type=2,a=6378206.4,rf=294.9786982,lat0=23,lon0=-96,lat1=29.5,lat2=45.5 1e-6 6.83e-5 "+proj=aea $CLARKE +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5" \
  "-170 -125 -96 -75 -20" "-85 -30 0 23 35 50 85"
emit aea_grs_south type=2,a=6378137,rf=298.257222101,lat0=0,lon0=132,lat1=-18,lat2=-36 1e-6 6.83e-5 "+proj=aea $GRS +lat_0=0 +lon_0=132 +lat_1=-18 +lat_2=-36" \
  "60 100 132 150 200" "-80 -45 -27 -10 0 20"
emit eqdc_sphere type=26,a=6370997,lat0=23,lon0=-96,lat1=29.5,lat2=45.5 1e-6 1e-10 "+proj=eqdc +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5" \
  "-170 -125 -96 -75 -20" "-90 -30 0 23 35 50 90"
emit eqdc_wgs_south type=26,a=6378137,rf=298.257223563,lat0=-30,lon0=25,lat1=-20,lat2=-45 1e-6 1e-10 "+proj=eqdc +R=6378137 +lat_0=-30 +lon_0=25 +lat_1=-20 +lat_2=-45" \
  "-150 -40 25 60 175" "-90 -60 -30 0 30 80"
emit poly_sphere type=11,a=6370997,lat0=30,lon0=-96 1e-6 6e-5 "+proj=poly +R=6370997 +lat_0=30 +lon_0=-96" \
  "-176 -140 -96 -75 -16" "-85 -40 0 30 40 80"
emit poly_clarke type=11,a=6378206.4,rf=294.9786982,lat0=30,lon0=-96 2e-3 1e-7 "+proj=poly $CLARKE +lat_0=30 +lon_0=-96" \
  "-176 -140 -96 -75 -16" "-85 -40 0 30 40 80"
emit poly_wgs_south type=11,a=6378137,rf=298.257223563,lat0=-20,lon0=140 2e-3 1e-7 "+proj=poly $WGS +lat_0=-20 +lon_0=140" \
  "60 110 140 170 215" "-75 -45 -20 0 15 60"
emit bonne_sphere type=21,a=6370997,lon0=-75,lat1=40 1e-6 1e-10 "+proj=bonne +R=6370997 +lon_0=-75 +lat_1=40" \
  "-160 -120 -75 -30 10" "-80 -40 0 20 40 60 85"
emit bonne_clarke type=21,a=6378206.4,rf=294.9786982,lon0=-75,lat1=40 2e-3 1e-7 "+proj=bonne $CLARKE +lon_0=-75 +lat_1=40" \
  "-160 -120 -75 -30 10" "-80 -40 0 20 40 60 85"
emit bonne_wgs_south type=21,a=6378137,rf=298.257223563,lon0=20,lat1=-30 2e-3 1e-7 "+proj=bonne $WGS +lon_0=20 +lat_1=-30" \
  "-65 -20 20 60 105" "-85 -50 -30 0 35 70"
emit cass_sphere type=16,a=6370997,lat0=40,lon0=-75 1e-6 2e-10 "+proj=cass +R=6370997 +lat_0=40 +lon_0=-75" \
  "-160 -120 -75 -30 10" "-45 -10 0 25 40 65 89"
emit cass_wgs type=16,a=6378137,rf=298.257223563,lat0=-15,lon0=100 1e-6 2e-10 "+proj=cass +R=6378137 +lat_0=-15 +lon_0=100" \
  "20 60 100 140 175" "-85 -50 -15 0 30 70"

# Cylindrical and world projections (spheres by +R; Sinusoidal also on
# WGS 84), longitudes within 180 degrees of Lon0. Mollweide leaves out the
# equator, which it moves 1e-7 rad north; Van der Grinten the central
# meridian and the equator, where PROJ's y (computed from x) cancels.
# PROJ's robin uses a newer table (0.4958 at 40 degrees where ours holds
# 0.4968, and other cubics): the limits of robin state the difference. The
# Eckert IV and VI forwards stop their Newton iteration before the last
# step (up to 1.2e-6 rad of the auxiliary angle), and Eckert IV uses
# Snyder's 7-decimal constants. The Sinusoidal meridian distance series is
# truncated after e^6. Robinson-Sterling has no PROJ equivalent.
emit mill_sphere type=3,a=6370997,lon0=10 1e-5 1e-10 "+proj=mill +R=6370997 +lon_0=10" \
  "-165 -100 -30 10 45 120 185" "-90 -80 -45 -10 0 20 60 85"
emit eqc_sphere type=13,a=6370997,lon0=10,lat1=30 1e-5 1e-10 "+proj=eqc +R=6370997 +lon_0=10 +lat_ts=30" \
  "-165 -100 -30 10 45 120 185" "-90 -45 0 20 60 85"
emit moll_sphere type=8,a=6370997,lon0=10 1e-5 2e-9 "+proj=moll +R=6370997 +lon_0=10" \
  "-165 -100 -30 10 45 120 185" "-89 -80 -45 -10 20 60 85"
emit sinu_sphere type=19,a=6370997,lon0=10 1e-5 1e-10 "+proj=sinu +R=6370997 +lon_0=10" \
  "-165 -100 -30 10 45 120 185" "-85 -45 -10 0 20 60 80"
emit sinu_wgs type=19,a=6378137,rf=298.257223563,lon0=10 1e-3 1e-7 "+proj=sinu $WGS +lon_0=10" \
  "-165 -100 -30 10 45 120 185" "-85 -45 -10 0 20 60 80"
emit robin_sphere type=14,a=6370997 9e3 0.1 "+proj=robin +R=6370997" \
  "-179 -120 -45 0 30 90 179" "-90 -80 -60 -40 -25 0 10 35 50 70 85"
emit eck4_sphere type=23,a=6370997,lon0=10 6 2e-4 "+proj=eck4 +R=6370997 +lon_0=10" \
  "-165 -100 -30 10 45 120 185" "-89 -80 -45 -10 0 20 60 85"
emit eck6_sphere type=24,a=6370997,lon0=10 1 1e-10 "+proj=eck6 +R=6370997 +lon_0=10" \
  "-165 -100 -30 10 45 120 185" "-89 -80 -45 -10 0 20 60 85"
emit vandg_sphere type=15,a=6370997,lon0=10 1e-5 1e-10 "+proj=vandg +R=6370997 +lon_0=10" \
  "-150 -100 -45 60 120 179" "-80 -50 -20 15 45 75"
} > "$out"
