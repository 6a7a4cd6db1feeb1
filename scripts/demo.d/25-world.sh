# A world map: Robinson (its central meridian is Greenwich) of a few cities
# and back (the inverse holds distances in single precision), and a line
# across the antimeridian cut at the edge of the map.
run fwd --type Robinson "$DATA/world_cities.txt"
echo "\$ qvproj fwd --type Robinson ... | qvproj inv --type Robinson"
"$Q" fwd --type Robinson "$DATA/world_cities.txt" | "$Q" inv --type Robinson
echo
echo "\$ printf '170 -20\\n190 -20\\n' | qvproj clip --type Robinson --precision 3"
printf '170 -20\n190 -20\n' | "$Q" clip --type Robinson --precision 3
echo
