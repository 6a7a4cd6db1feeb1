# Georeferencing: a thin plate spline and a second-order polynomial fitted to
# the bundled control points of a scanned sheet, with their residuals, and a
# few pixel positions mapped through the polynomial.
run georef --method tps --controls "$DATA/controls.txt"
run georef --method second --controls "$DATA/controls.txt"
echo "\$ printf '0 0\n2000 1500\n4000 3000\n' | qvproj georef --method second --controls controls.txt --transform 2>/dev/null"
printf '0 0\n2000 1500\n4000 3000\n' | "$Q" georef --method second --controls "$DATA/controls.txt" --transform 2>/dev/null
echo
