#!/usr/bin/env bash
# Makes the GDAL reference files of the side-file tests. Run once (needs
# Debian's gdal-bin and geotiff-bin); the results are committed:
#   map.tif, map.tfw   20 x 10 pixels of 30 m, UTM zone 33N, written by GDAL
#                      with a world file (gdal_translate -co TFW=YES)
#   rot.tif, rot.tfw   the same image with a rotated and sheared geotransform
#   map.gdalinfo.json, rot.gdalinfo.json   GDAL's size, geotransform and corners
#   map.listgeo        the GeoTIFF tags of map.tif as libgeotiff lists them
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
gdal_create -q -of GTiff -outsize 20 10 -bands 1 -ot Byte -burn 7 -a_srs EPSG:32633 \
  -a_ullr 500000 4000300 500600 4000000 "$tmp/src.tif"
gdal_translate -q -co TFW=YES "$tmp/src.tif" map.tif
gdal_translate -q -of VRT "$tmp/src.tif" "$tmp/rot.vrt"
sed -i 's|<GeoTransform>.*</GeoTransform>|<GeoTransform>500000.25, 29.5, 4.75, 4000300.5, 3.25, -28.5</GeoTransform>|' "$tmp/rot.vrt"
gdal_translate -q -co TFW=YES "$tmp/rot.vrt" rot.tif
# Only the size, the geotransform and the corners are kept.
for f in map rot; do
  gdalinfo -json $f.tif | python3 -c 'import json, sys
d = json.load(sys.stdin)
json.dump({k: d[k] for k in ("size", "geoTransform", "cornerCoordinates")}, sys.stdout, indent=1)
print()' > $f.gdalinfo.json
done
listgeo -no_norm map.tif > map.listgeo
rm -f ./*.aux.xml
