#!/usr/bin/env bash
# Regenerates reference_gdal.txt and reference_numpy.txt from the control
# points in data/controls.txt: GDAL's gdaltransform (Debian gdal-bin 3.6)
# with -order 1, 2, 3 and -tps, and an independent numpy least-squares fit
# of the Helmert similarity, the bilinear and the three polynomial orders.
# Each output line: method srcx srcy dstx dsty.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
controls=$here/../../data/controls.txt
probes="0 0
2000 1500
4000 3000
1234.5 2345.6
3900 100
179.50 143.52
2578.19 932.81
3809.95 2862.08"
gcps=()
while read -r x y u v; do
  [[ -z "$x" || "$x" == \#* ]] && continue
  gcps+=(-gcp "$x" "$y" "$u" "$v")
done < "$controls"
{
  echo "# gdaltransform $(gdaltransform --version | head -1) on data/controls.txt"
  for m in 1 2 3 tps; do
    if [ "$m" = tps ]; then opt=(-tps); else opt=(-order "$m"); fi
    paste -d' ' <(echo "$probes") <(echo "$probes" | gdaltransform "${gcps[@]}" "${opt[@]}" -output_xy) |
      while read -r x y u v; do printf '%s %s %s %s %s\n' "$m" "$x" "$y" "$u" "$v"; done
  done
} > "$here/reference_gdal.txt"

/usr/bin/python3 - "$controls" "$here/reference_numpy.txt" <<'PY'
import sys
import numpy as np
rows = [l.split() for l in open(sys.argv[1]) if l.strip() and not l.startswith('#')]
a = np.array(rows, dtype=float)
x, y, u, v = a.T
probes = np.array([[0, 0], [2000, 1500], [4000, 3000], [1234.5, 2345.6], [3900, 100],
                   [179.50, 143.52], [2578.19, 932.81], [3809.95, 2862.08]])
def terms(name, x, y):
    one = np.ones_like(x)
    t = {'bilinear': [one, x, y, x*y],
         'order1': [one, x, y],
         'order2': [one, x, y, x*x, x*y, y*y],
         'order3': [one, x, y, x*x, x*y, y*y, x**3, x*x*y, x*y*y, y**3]}[name]
    return np.stack(t, axis=1)
out = open(sys.argv[2], 'w')
out.write('# numpy %s lstsq on data/controls.txt (coordinates centred and scaled before\n'
          '# the fit, then mapped back), helmert: u = a x - b y + c, v = b x + a y + d\n' % np.__version__)
cx, cy, s = x.mean(), y.mean(), 1000.0
for name in ['bilinear', 'order1', 'order2', 'order3']:
    T = terms(name, (x - cx) / s, (y - cy) / s)
    pu = np.linalg.lstsq(T, u, rcond=None)[0]
    pv = np.linalg.lstsq(T, v, rcond=None)[0]
    P = terms(name, (probes[:, 0] - cx) / s, (probes[:, 1] - cy) / s)
    for (px, py), U, V in zip(probes, P @ pu, P @ pv):
        out.write('%s %r %r %.10f %.10f\n' % (name, px, py, U, V))
# Helmert as a 4-unknown linear least squares problem.
n = len(x)
M = np.zeros((2 * n, 4)); rhs = np.zeros(2 * n)
M[0::2] = np.stack([x, -y, np.ones(n), np.zeros(n)], axis=1); rhs[0::2] = u
M[1::2] = np.stack([y, x, np.zeros(n), np.ones(n)], axis=1); rhs[1::2] = v
p = np.linalg.lstsq(M, rhs, rcond=None)[0]
for px, py in probes:
    out.write('helmert %r %r %.10f %.10f\n' % (px, py, p[0]*px - p[1]*py + p[2], p[1]*px + p[0]*py + p[3]))
PY
