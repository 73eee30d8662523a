# Waiting for the demo under test to end, for the e2e scripts (sourced, not run). The script
# sets demo_pid to the demo's process and defines fail, which reports and exits.

# The demo ends within $1 seconds with status $2.
expect_status() {
  local deadline=$((SECONDS + $1)) status=0
  while kill -0 "$demo_pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "still running after $1 s"
    sleep 0.1
  done
  wait "$demo_pid" || status=$?
  demo_pid=""
  [ "$status" = "$2" ] || fail "exit status $status, expected $2"
}
