#!/usr/bin/env bash
# End-to-end checks of the qvproj tool: outputs, --json, errors and exit codes.
. "$(dirname "$0")/common.bash"
check version "qvproj 1." "$Q" --version
check projections "5  Lambert Conformal Conic" "$Q" projections
check projections-json '"name": "Lambert Conformal Conic"' "$Q" projections --json
check ellipsoids "WGS 84" "$Q" ellipsoids
check ellipsoids-json '"inverse_flattening": 298.25722356' "$Q" ellipsoids --json
check utm-lon "zone             17" "$Q" utm --lon -84.3
check utm-name "Zone 17S (084W to 078W)" "$Q" utm "Zone 17S"
check utm-json '"central_meridian": -81' "$Q" utm 17 --json
check angle-read "-85.83333333" "$Q" angle -- "-85d50'"
check angle-stdin "30.5" bash -c "echo '30D30' | '$Q' angle"
check angle-write "36d30.0'S" "$Q" angle --to-text --layout dm --decimals 1 --hemisphere lat -- -36.5
check angle-bad "cannot read angle '30 30'" "$Q" angle "30 30"
check_exit angle-bad-exit 1 "$Q" angle "30 30"
check_exit utm-bad-exit 1 "$Q" utm abc
check_exit no-subcommand 106 "$Q"
check help "projections" "$Q" --help
for sub in projections ellipsoids utm angle; do check_exit "help-$sub" 0 "$Q" "$sub" --help; done
finish "CLI"
