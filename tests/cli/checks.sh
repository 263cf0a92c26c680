# Shared by the wright end-to-end scripts: a scratch folder removed at exit, named checks,
# and the closing count. Source it, call `check NAME COMMAND...`, end with `finish`.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok   $name"; passes=$((passes + 1)); else echo "FAIL $name"; failures=$((failures + 1)); fi
}
finish() {
  echo "$passes passed, $failures failed"
  exit $((failures > 0))
}
