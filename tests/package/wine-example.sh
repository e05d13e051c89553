# shellcheck shell=bash disable=SC2154
# Sourced by the checks of the Windows packages, after they set root, build and fail: the
# example converted by a packaged Quorvel.exe under Wine.

# A host path as Wine's drive Z: (the host root) shows it.
windows() { printf 'Z:%s' "${1//\//\\}"; }

# Runs <Quorvel.exe> in <prefix> on the example into the new folder <out>; fails unless it
# prints exactly the console of the conversion, ends with status 0 and writes weather.prj.
example_converts() {
    local prefix=$1 program=$2 out=$3 console status expected
    mkdir -p "$out"
    console=$(cd "$root" && "$root/cmake/wine-run.sh" "$(cache QUORVEL_WINE)" \
        "$(cache QUORVEL_WINE_DLLS)" "$prefix" "$program" \
        "$(windows "$root/examples/weather/weather.cws")" "$(windows "$root/examples/cvi")" \
        "$(windows "$out")" </dev/null)
    status=$?
    expected="Creating Corvane/Corvane++ Project ...
  Creating Group - weather
  Creating Group - station
  Creating Analyser Personality - $(windows "$out")\\weather\\station\\person\\station.p_a
  Creating Group - Source Files
  Creating Group - Sensor Drivers
  Creating Group - display
  Creating Group - Source Files
Corvane/Corvane++ Project Completed!"
    [[ $status == 0 && $(tr -d '\r' <<<"$console") == "$expected" ]] ||
        fail "$program on the example: status $status, printed:"$'\n'"$console"
    [[ -f $out/weather.prj ]] || fail "$program wrote no weather.prj"
}
