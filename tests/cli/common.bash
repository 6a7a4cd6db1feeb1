# Helpers of the CLI check scripts (sourced; not a test of its own).
set -u
Q=${QVPROJ:?set QVPROJ to the qvproj executable}
fails=0
check() { # name, expected substring, command...
  local name=$1 want=$2; shift 2
  local out
  out=$("$@" 2>&1)
  if [[ "$out" != *"$want"* ]]; then echo "FAIL $name: wanted '$want', got: $out"; fails=$((fails+1)); fi
}
check_exact() { # name, expected output (exact, stdout and stderr), command...
  local name=$1 want=$2; shift 2
  local out
  out=$("$@" 2>&1)
  if [ "$out" != "$want" ]; then
    echo "FAIL $name: wanted"; echo "$want"; echo "got:"; echo "$out"; fails=$((fails+1))
  fi
}
check_out() { # name, expected standard output (exact; stderr ignored), command...
  local name=$1 want=$2; shift 2
  local out
  out=$("$@" 2>/dev/null)
  if [ "$out" != "$want" ]; then
    echo "FAIL $name: wanted"; echo "$want"; echo "got:"; echo "$out"; fails=$((fails+1))
  fi
}
check_exit() { # name, expected code, command...
  local name=$1 want=$2; shift 2
  "$@" >/dev/null 2>&1; local rc=$?
  if [ "$rc" -ne "$want" ]; then echo "FAIL $name: exit $rc, wanted $want"; fails=$((fails+1)); fi
}
check_lines() { # name, expected line count, command...
  local name=$1 want=$2; shift 2
  local n
  n=$("$@" 2>/dev/null | wc -l)
  if [ "$n" -ne "$want" ]; then echo "FAIL $name: $n lines, wanted $want"; fails=$((fails+1)); fi
}
finish() { # what was checked
  if [ $fails -ne 0 ]; then echo "$fails $1 check(s) failed"; exit 1; fi
  echo "$1 checks passed"
}
