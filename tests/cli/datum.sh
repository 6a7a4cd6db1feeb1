#!/usr/bin/env bash
# End-to-end checks of qvproj datum, datums and custom-datum.
. "$(dirname "$0")/common.bash"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
shift_of() { printf -- '%s\n' "$1" | "$Q" datum "${@:2}"; }
check datums-count "236  Pulkovo 1942 - Hungary (Bursa-Wolf)" "$Q" datums
check datums-exept "Luzon - Philippines, exept Mindanao Island" "$Q" datums
check datums-json '"name": "Switzerland - CH1903 (Bursa-Wolf)"' "$Q" datums --json
# PROJ's +proj=molodensky gives -100.0004176089, 40.0000094676 for this point.
check nad27-wgs84 "-100.000417609	40.000009468	name" shift_of "-100 40 name" --from "nad 1927 - conus" --to 3
check wgs84-nad27 "-99.999582380	39.999990501" shift_of "-100 40" --from 3 --to 124
check wrap "189.99855" shift_of "190 10" --from 124 --to 3
check unplottable "*	*" shift_of "nan 10" --from 124 --to 3
check comment "# keep" shift_of "# keep" --from 124 --to 3
check user "-100.000417609	40.000009468" shift_of "-100 40" --from user --method molodensky --ellipsoid "Clarke 1866" --dx -8 --dy 160 --dz 176 --to 3
check user-inverse "-99.999582380	39.999990501" shift_of "-100 40" --from 3 --to user --method molodensky --ellipsoid 15 --dx -8 --dy 160 --dz 176
check dest-mre "can only be a source" shift_of "1 2" --from 3 --to 229
check_exit dest-mre-exit 2 shift_of "1 2" --from 3 --to 229
check bad-datum "unknown datum 'Atlantis'" shift_of "1 2" --from Atlantis --to 3
check bad-param "X axis rotation was outside the range of -3600 to +3600 arcseconds" shift_of "1 2" --from user --method bursa --ellipsoid 47 --rx 4000 --to 3
check strict "cannot read 'x'" shift_of "x y" --from 124 --to 3 --strict
# Out of range is bad input, not folded: 1e300 must not become 0.0019, 100 not 80.
check_out lon-1e300 $'*\t*\tname' shift_of "1e300 10 name" --from 124 --to 3
check_out lat-100 $'*\t*' shift_of "10 100" --from 124 --to 3
check_exit lat-100-exit 1 shift_of "10 100" --from 124 --to 3
check angle-text "-100.000417609	40.000009468" shift_of "40dN 100dW" --from 124 --to wgs84
check names "-100.000417609	40.000009468" shift_of "-100 40" --from "NAD-1927 conus" --to "WGS 84"
# Refusals: usage errors exit 2.
check conflict "the parameter options describe a user-defined datum" shift_of "1 2" --from 124 --to 3 --dx 5
check_exit conflict-exit 2 shift_of "1 2" --from 124 --to 3 --dx 5
check_exit bursa-only 2 shift_of "1 2" --from user --method molodensky --ellipsoid 47 --rx 1 --to 3
check_exit precision-huge 2 shift_of "1 2" --from 124 --to 3 --precision 2147483647
check_exit dx-inf 2 shift_of "1 2" --from user --method molodensky --ellipsoid 47 --dx inf --to 3
check nadcon-missing "NADCON grid files" env QVPROJ_DATA="$tmp" "$Q" datum --from 232 --to 3 <<< "-100 40"

P=$tmp/datums.ini
printf '[Other]\nkeep=1\n' > "$P"
check_exit save 0 "$Q" custom-datum --profile "$P" save "My a=b,c" --method molodensky --ellipsoid "Clarke 1866" --dx -8 --dy 160 --dz 176
check list "237	My a=b,c" "$Q" custom-datum list --profile "$P"
check show '"method": "molodensky"' "$Q" custom-datum show "my A=B,C" --profile "$P" --json
check custom-shift "-100.000417609	40.000009468" shift_of "-100 40" --from "My a=b,c" --to 3 --profile "$P"
check datums-profile "237  My a=b,c" "$Q" datums --profile "$P"
check save-builtin "built-in datum name" "$Q" custom-datum save Tokyo --method none --profile "$P"
check_exit delete 0 "$Q" custom-datum delete "My a=b,c" --profile "$P"
check_exit delete-again 2 "$Q" custom-datum delete "My a=b,c" --profile "$P"
# Profiles that are directories or missing are errors, and so are names the
# section cannot keep; a section longer than the library reads is named.
check profile-dir "profile '/tmp' is a directory" "$Q" custom-datum --profile /tmp list
check_exit profile-dir-exit 1 "$Q" custom-datum --profile /tmp list
check profile-missing "cannot open profile" "$Q" custom-datum --profile "$tmp/none.ini" list
check_exit profile-missing-datums 1 "$Q" datums --profile "$tmp/none.ini"
check bad-name "cannot begin with ';'" "$Q" custom-datum --profile "$P" save ";x" --method none
mkdir "$tmp/ro" && printf '[Custom Datums]\n' > "$tmp/ro/p.ini" && chmod a-w "$tmp/ro" "$tmp/ro/p.ini"
if [ "$(id -u)" != 0 ]; then
  check read-only "the file cannot be written" "$Q" custom-datum --profile "$tmp/ro/p.ini" save x --method none
fi
chmod u+w "$tmp/ro" "$tmp/ro/p.ini"
big=$tmp/big.ini
awk 'BEGIN { print "[Custom Datums]"; for (i = 0; i < 700; i++) printf "datum%03d=molodensky,0,Clarke 1866,6378206.4000000000,0.0033900753,0.000000,-8.0000000000,160.0000000000,176.0000000000,\n", i }' > "$big"
check truncated-list "is longer than the 32767 bytes the library reads" "$Q" custom-datum --profile "$big" list
check truncated-datum "is longer than the 32767 bytes" shift_of "-100 40" --from datum000 --to 3 --profile "$big"
check truncated-save "longer than the library reads, so it is left alone" "$Q" custom-datum --profile "$big" save x --method none
head -273 "$big" > "$tmp/full.ini" # 272 entries of 120 bytes: 32641 of 32767
check full-save "has no room for it" "$Q" custom-datum --profile "$tmp/full.ini" save "$(head -c 200 /dev/zero | tr '\0' y)" --method molodensky --ellipsoid 15 --dx 1
check kept "keep=1" cat "$P"
check alias-wgs84 $'-100.000417609\t40.000009468' bash -c "printf -- '-100 40\n' | '$Q' datum --from 'NAD 1927 - CONUS' --to wgs84"
for sub in datum datums custom-datum; do check_exit "help-$sub" 0 "$Q" "$sub" --help; done
finish "datum CLI"
