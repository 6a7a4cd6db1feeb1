# A world map: Robinson (its central meridian is Greenwich) of four cities
# and back (the inverse holds distances in single precision), and a line
# across the antimeridian cut at the edge of the map.
CITIES="${TMPDIR:-/tmp}/qvproj-demo-cities.txt"
printf '%s\n' "-0.1276 51.5072 London" "151.2093 -33.8688 Sydney" \
  "-58.3816 -34.6037 Buenos Aires" "139.6917 35.6895 Tokyo" > "$CITIES"
run fwd --type Robinson "$CITIES"
echo "\$ qvproj fwd --type Robinson ... | qvproj inv --type Robinson"
"$Q" fwd --type Robinson "$CITIES" | "$Q" inv --type Robinson
rm -f "$CITIES"
echo
echo "\$ printf '170 -20\\n190 -20\\n' | qvproj clip --type Robinson --precision 3"
printf '170 -20\n190 -20\n' | "$Q" clip --type Robinson --precision 3
echo
