# Sourced by bench.sh (Xvfb, prefix and server running): start-up time of
# Folvane.exe to the first skinned paint of its main window, against a
# minimal Win32 program that shows one plain window and closes after its
# first paint. Runs alternate, so both sample the same machine load.
startbench_runs=${STARTBENCH_RUNS:-10}
startbench_ms() {  # command...
  local t0 t1
  t0=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000000 ))
}
startbench_median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "== start-up to the first paint under Wine ($startbench_runs runs each, interleaved)"
folvane_times=() plain_times=()
for _ in $(seq 1 "$startbench_runs"); do
  folvane_times+=("$(FOLVANE_EXIT_AFTER_FIRST_PAINT=1 startbench_ms timeout -k 5 60 "$WINE64" build/win64/Folvane.exe)")
  plain_times+=("$(startbench_ms timeout -k 5 60 "$WINE64" build/win64/tools/startbench/plainwindow.exe)")
done
folvane_median=$(printf '%s\n' "${folvane_times[@]}" | startbench_median)
plain_median=$(printf '%s\n' "${plain_times[@]}" | startbench_median)
echo "Folvane.exe: median ${folvane_median} ms (${folvane_times[*]})"
echo "plain window: median ${plain_median} ms (${plain_times[*]})"
awk -v a="$folvane_median" -v b="$plain_median" 'BEGIN { printf "ratio: %.2f (goal: at most 2)\n", a / b }'
