# Catalogues, UTM zones and angle text.
run --version
run projections
run ellipsoids
run utm --lon -84.3
run utm "Zone 33S"
run angle -- "-85d50'" "30D30" "-36d52'11.6315"
run angle --to-text --layout dm --decimals 1 --hemisphere lat -- -36.5
