#!/usr/bin/env bash
# End-to-end checks of qvproj datum, datums and custom-datum.
. "$(dirname "$0")/common.bash"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
shift_of() { printf '%s\n' "$1" | "$Q" datum "${@:2}"; }
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
check_exit dest-mre-exit 1 shift_of "1 2" --from 3 --to 229
check bad-datum "unknown datum 'Atlantis'" shift_of "1 2" --from Atlantis --to 3
check bad-param "X axis rotation was outside the range of -3600 to +3600 arcseconds" shift_of "1 2" --from user --method bursa --ellipsoid 47 --rx 4000 --to 3
check strict "cannot read a point" shift_of "x y" --from 124 --to 3 --strict
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
check_exit delete-again 1 "$Q" custom-datum delete "My a=b,c" --profile "$P"
check kept "keep=1" cat "$P"
check alias-wgs84 $'-100.000417609\t40.000009468' bash -c "printf -- '-100 40\n' | '$Q' datum --from 'NAD 1927 - CONUS' --to wgs84"
for sub in datum datums custom-datum; do check_exit "help-$sub" 0 "$Q" "$sub" --help; done
finish "datum CLI"
