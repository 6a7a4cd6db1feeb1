# Datum shifts: NAD 1927 sample points to WGS 84 and back, the catalogue.
echo "\$ qvproj datums | sed -n '124p;221p;229p'"
"$Q" datums | sed -n '124p;221p;229p'
echo
run datum --from "NAD 1927 - CONUS" --to "World Geodetic System 1984" "$DATA/datum_conus.txt"
echo "\$ qvproj datum --from 124 --to 3 ... | qvproj datum --from 3 --to 124"
"$Q" datum --from 124 --to 3 "$DATA/datum_conus.txt" | "$Q" datum --from 3 --to 124
echo
