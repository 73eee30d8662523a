# Waiting for the demo under test to end, for the e2e scripts (sourced, not run). The script
# sets demo_pid to the demo's process (start_reaped sets it itself), keeps its scratch files in
# $work and defines fail, which reports and exits.

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

# Starts "$@" in the background as the child of a small reaper, with SIGINT and SIGTERM at their
# default action as in a terminal (a background job of a script starts with SIGINT ignored), and
# sets demo_pid to the command's own process. When it ends, the reaper writes how to $work/how:
# "exit N" or "signal N", which a shell's wait cannot tell apart (both read 128 + N).
start_reaped() {
  rm -f "$work/how" "$work/how.pid"
  perl -e '
    my $how = shift @ARGV;
    $SIG{INT} = $SIG{TERM} = "DEFAULT";
    my $pid = fork() // die "fork: $!";
    if ($pid == 0) { exec { $ARGV[0] } @ARGV or exit 127 }
    open(my $p, ">", "$how.tmp") or die; print $p "$pid\n"; close $p; rename "$how.tmp", "$how.pid";
    waitpid($pid, 0);
    my $line = ($? & 127) ? "signal " . ($? & 127) : "exit " . ($? >> 8);
    open(my $h, ">", "$how.tmp") or die; print $h "$line\n"; close $h; rename "$how.tmp", $how;
  ' "$work/how" "$@" &
  local deadline=$((SECONDS + 10))
  until [ -s "$work/how.pid" ]; do
    [ $SECONDS -lt $deadline ] || fail "the reaper did not start the demo"
    sleep 0.05
  done
  demo_pid=$(cat "$work/how.pid")
}

# The reaped demo, sent signal $2 (TERM, INT), dies of it within $1 seconds.
expect_killed_by() {
  local deadline=$((SECONDS + $1)) want
  want=$(kill -l "$2")
  kill -s "$2" "$demo_pid"
  until [ -s "$work/how" ]; do
    [ $SECONDS -lt $deadline ] || fail "still running $1 s after SIG$2"
    sleep 0.1
  done
  demo_pid=""
  [ "$(cat "$work/how")" = "signal $want" ] || fail "it ended with $(cat "$work/how") after SIG$2, not by the signal"
}
