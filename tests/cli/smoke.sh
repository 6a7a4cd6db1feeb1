#!/usr/bin/env bash
# End-to-end checks of the qvproj tool: outputs, --json, errors and exit codes.
. "$(dirname "$0")/common.bash"
check version "qvproj 1." "$Q" --version
check projections "5  Lambert Conformal Conic" "$Q" projections
check projections-json '"name": "Lambert Conformal Conic"' "$Q" projections --json
check ellipsoids "47  WGS 84                               WGS84" "$Q" ellipsoids
check projections-proj "4  Universal Transverse Mercator (UTM)    0x1b  utm" "$Q" projections
check ellipsoids-json '"inverse_flattening": 298.25722356' "$Q" ellipsoids --json
check utm-lon "zone             17" "$Q" utm --lon -84.3
check utm-name "Zone 17S (084W to 078W)" "$Q" utm "Zone 17S"
check utm-json '"central_meridian": -81' "$Q" utm 17 --json
check angle-read "-85.83333333" "$Q" angle -- "-85d50'"
check angle-stdin "30.5" bash -c "echo '30D30' | '$Q' angle"
check angle-write "36d30.0'S" "$Q" angle --to-text --layout dm --decimals 1 --hemisphere lat -- -36.5
check angle-bad "cannot read angle '30 30'" "$Q" angle "30 30"
check_exit angle-bad-exit 1 "$Q" angle "30 30"
check_out angle-aligned $'30.5\n*\n57' bash -c "printf '30D30\nbad\n57\n' | '$Q' angle"
check angle-negative $'91\n-1000' "$Q" angle 91d -1000d
check_exit angle-decimals 2 "$Q" angle --to-text --decimals 16 -- 1
for zone in 0 61 -5 abc 33X; do check_exit "utm-refuse-$zone" 2 "$Q" utm -- "$zone"; done
check utm-negative-lon "zone             1" "$Q" utm --lon -180
check utm-dash-dash "zone             1" "$Q" utm --lon -- -180
check utm-south-conflict "--south contradicts" "$Q" utm 33N --south
# Exit statuses: 2 for every usage error, the parser's own included.
check_exit no-subcommand 2 "$Q"
check no-subcommand-help "Subcommands:" "$Q"
check bogus "unknown subcommand 'bogus'" "$Q" bogus
check_exit bogus-exit 2 "$Q" bogus
check_exit unknown-option 2 "$Q" projections --bogus
check_exit missing-value 2 "$Q" fwd --type
check_exit extra-argument 2 "$Q" utm 33 34
check help "projections" "$Q" --help
for sub in projections ellipsoids utm angle; do check_exit "help-$sub" 0 "$Q" "$sub" --help; done
finish "CLI"
