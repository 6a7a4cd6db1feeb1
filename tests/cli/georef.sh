#!/usr/bin/env bash
# End-to-end checks of qvproj georef: reports, --json, --transform, method
# names, known coefficients and the error exits.
. "$(dirname "$0")/common.bash"
C=${DATA:?}/controls.txt
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

check affine "x                  2.49" "$Q" georef --method affine --controls "$C"
check affine-number "1  Affine Polynomial" "$Q" georef -m 1 -c "$C"
check display-name "2nd Order Polynomial" "$Q" georef -m "2nd order polynomial" -c "$C"
check second-mean "mean residual 0.931379" "$Q" georef -m second -c "$C"
check bilinear-term "x*y" "$Q" georef -m bilinear -c "$C"
check third-terms "x*y^2" "$Q" georef -m 4 -c "$C"
check helmert "a = 0.72006135" "$Q" georef -m helmert -c "$C"
check tps "(an interpolating model" "$Q" georef -m tps -c "$C"
check idw "mean residual 0.0000" "$Q" georef -m idw -c "$C"
check json '"name": "Thin Plate Spline"' "$Q" georef -m 6 -c "$C" --json
check json-coeff '"x_coefficients": [448200.52' "$Q" georef -m 1 -c "$C" --json
# Affine map of the GDAL reference: pixel (2000, 1500).
# Mapped points print as fwd does: tabs, --precision, columns kept, '*' passed on.
check_out transform $'453229.53\t4414094.75\tpixel a\n*\t*' bash -c "printf '2000 1500 pixel a\n*  *\n' | '$Q' georef -m affine -c '$C' -t --precision 2"
check transform-json '"points": [[130, -15], null]' bash -c "printf '10 20 # a comment\nbad\n' | '$Q' georef --coefficients 2,0.5,100,-0.5,2,-50 -t --json"
check coefficients "Precalculated Affine Coefficients" "$Q" georef --coefficients 2,0.5,100,-0.5,2,-50
check_out transform-only-stdout $'130.000000\t-15.000000' bash -c "echo '10 20' | '$Q' georef --coefficients 2,0.5,100,-0.5,2,-50 -t"
# Pixel rows run downwards in the bundled controls: a Helmert fit says so.
check helmert-mirrored "note: the control points are mirrored" "$Q" georef -m helmert -c "$C"

# Errors: one line on stderr, exit 1.
printf '0 0 0 0\n1 1 1 1\n2 2 2 2\n' > "$tmp/collinear.txt"
printf '0 0 0 0\n1 nan 1 1\n2 0 2 2\n5 5 1 1\n' > "$tmp/nan.txt"
printf '0 0 0 0\n1 0 1\n' > "$tmp/short.txt"
printf '0 0 10 10\n' > "$tmp/one.txt"
check collinear "cannot fit Affine Polynomial to the 3 control points" "$Q" georef -m 1 -c "$tmp/collinear.txt"
grep -v "^#" "$C" | head -5 > "$tmp/five.txt"
check too-few "3rd Order Polynomial needs at least 10 control points, '$tmp/five.txt' has 5" "$Q" georef -m third -c "$tmp/five.txt"
check spline-few "needs at least 4" "$Q" georef -m tps -c "$tmp/collinear.txt"
check nan "nan.txt:2: expected four numbers" "$Q" georef -m 1 -c "$tmp/nan.txt"
check short "expected four numbers" "$Q" georef -m 1 -c "$tmp/short.txt"
check bad-method "unknown method 'spline'" "$Q" georef -m spline -c "$C"
check method-range "outside 0 to 11" "$Q" georef -m 12 -c "$C"
check no-file "cannot open control point file" "$Q" georef -m 1 -c "$tmp/missing.txt"
check coeff-count "six numbers" "$Q" georef --coefficients 1,2,3
check coeff-method "method 5 (coefficients) only" "$Q" georef -m 1 -c "$C" --coefficients 1,2,3,4,5,6
check bad-point "line 2: cannot read 'x' as a number" bash -c "printf '1 2\nx y\n' | '$Q' georef -m 1 -c '$C' -t"
check_exit bad-point-exit 1 bash -c "printf '1 2\nx y\n' | '$Q' georef -m 1 -c '$C' -t"
check controls-dir "control point file '/tmp' is a directory" "$Q" georef -m 1 -c /tmp
check_exit controls-dir-exit 1 "$Q" georef -m 1 -c /tmp
check_exit precision 2 "$Q" georef -m 1 -c "$C" -t --precision 16
check helmert-one "Helmert needs at least 2" "$Q" georef -m 0 -c "$tmp/one.txt"
for args in "-m 1 -c $tmp/collinear.txt" "-m 1 -c $tmp/missing.txt" "-m third -c $tmp/five.txt"; do
  # shellcheck disable=SC2086
  check_exit "exit $args" 1 "$Q" georef $args
done
for args in "-m spline -c $C" "-m 12 -c $C" "-m 1" "--coefficients 1,2"; do
  # shellcheck disable=SC2086
  check_exit "usage $args" 2 "$Q" georef $args
done
check_exit help 0 "$Q" georef --help

finish "georef CLI"
