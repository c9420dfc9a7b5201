#!/usr/bin/env bash
# What the tests catch, measured: each small fault of scripts/mutants.txt is put in turn into a
# copy of the tree (build/mutants/tree), which is built and run against the core, the
# command-line and the window-model tests. A fault that no test notices survives; the script
# prints each survivor, each fault whose text is no longer found (stale) or that does not build,
# and at the end the kill rate. Every fate is kept in build/mutants/results.txt.
#
#   scripts/mutants.sh [-l list] [-k text]...  (-k: only the faults whose title holds a text)
#
# The copy is built once and then only what a fault touches is built again; ccache brings the
# restored files back at once. The copy is kept between runs, so a second run builds little.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
list="scripts/mutants.txt"
only=()
while getopts "l:k:" option; do
  case "$option" in
    l) list="$OPTARG" ;;
    k) only+=("$OPTARG") ;;
    *) echo "usage: $0 [-l list] [-k text]" >&2; exit 2 ;;
  esac
done

work="$root/build/mutants"
tree="$work/tree"
build="$tree/build/mutants"
results="$work/results.txt"
targets=(core_tests cli_tests window_tests ppexport)
suites=(tests/core_tests tests/cli_tests tests/window/window_tests)
jobs="$(nproc)"
export CCACHE_BASEDIR="$tree" CCACHE_NOHASHDIR=true

# The tests' files on a memory file system where there is one: the bank files are flushed to the
# device, which on a disk costs more than the tests themselves.
scratch="$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/ppexport-mutants.XXXXXX")"
mutated=""
original=""
cleanup() {
  # A fault never stays in the copy.
  [ -z "$mutated" ] || printf '%s' "$original" >"$tree/$mutated"
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The copy takes every file of the tree that git knows or would know (not build/); a changed file
# is copied with a fresh time, so that make builds again what it touches.
sync_tree() {
  mkdir -p "$tree"
  local file
  while IFS= read -r -d '' file; do
    [ -f "$root/$file" ] || continue
    if ! cmp -s "$root/$file" "$tree/$file"; then
      mkdir -p "$tree/$(dirname "$file")"
      cp "$root/$file" "$tree/$file"
    fi
  done < <(git ls-files -z --cached --others --exclude-standard)
  # Files gone from the tree leave the copy too (the tests are found by their folder).
  while IFS= read -r -d '' file; do
    file="${file#./}"
    [ -e "$root/$file" ] || rm -f "$tree/$file"
  done < <(cd "$tree" && find . -path ./build -prune -o -type f -print0)
}

build_copy() {
  cmake --build "$build" -j "$jobs" --target "${targets[@]}" >"$work/build.log" 2>&1
}

# 0 when every suite passes; a suite that fails or runs past its time kills the fault.
run_suites() {
  local suite
  for suite in "${suites[@]}"; do
    (cd "$scratch" && TMPDIR="$scratch" timeout 300 "$build/$suite" --gtest_brief=1 \
      --gtest_fail_fast >"$work/test.log" 2>&1) || return 1
  done
}

mkdir -p "$work"
sync_tree
# Built for speed of building: no optimisation, no debug information, no window, no benchmark,
# and the test programs are not asked for their tests after each link.
cmake -S "$tree" -B "$build" -Wno-dev -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g0" \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DPPEXPORT_BUILD_GUI=OFF -DPPEXPORT_BUILD_BENCH=OFF \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
  >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
if ! build_copy; then
  cat "$work/build.log"
  echo "The unchanged copy does not build." >&2
  exit 1
fi
if ! run_suites; then
  cat "$work/test.log"
  echo "The tests fail without any fault: fix them first." >&2
  exit 1
fi

# Reads the list into parallel arrays: title, file, text, replacement.
titles=() files=() befores=() afters=()
read_list() {
  local line title="" file="" before="" after="" state=none
  finish_block() {
    [ -n "$title" ] || return 0
    titles+=("$title") files+=("$file") befores+=("$before") afters+=("$after")
    title="" file="" before="" after=""
  }
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
      "== "*) finish_block; title="${line#== }"; state=file ;;
      "#"*|"") ;;
      "- "*|"-") before="${line#-}"; before="${before# }" ;;
      "+ "*|"+") after="${line#+}"; after="${after# }" ;;
      *) if [ "$state" = file ]; then file="$line"; state=texts; fi ;;
    esac
  done <"$list"
  finish_block
}
read_list

killed=0 survived=0 stale=0 unbuilt=0
: >"$results"
for i in "${!titles[@]}"; do
  title="${titles[$i]}" file="${files[$i]}"
  if [ ${#only[@]} -gt 0 ]; then
    wanted=no
    for text in "${only[@]}"; do [[ "$title" != *"$text"* ]] || wanted=yes; done
    [ "$wanted" = yes ] || continue
  fi
  before="${befores[$i]//<NL>/$'\n'}"
  after="${afters[$i]//<NL>/$'\n'}"
  fate=""
  if [ ! -f "$tree/$file" ] || [ -z "$before" ]; then
    fate="stale (no such file or no text)"
  else
    content="$(cat "$tree/$file"; echo .)"
    content="${content%.}"
    rest="${content#*"$before"}"
    if [ "$rest" = "$content" ]; then
      fate="stale (text not found)"
    elif [[ "$rest" == *"$before"* ]]; then
      fate="stale (text found more than once)"
    fi
  fi
  if [ -n "$fate" ]; then
    stale=$((stale + 1))
  else
    mutated="$file" original="$content"
    printf '%s' "${content/"$before"/"$after"}" >"$tree/$file"
    if ! build_copy; then
      fate="does not build"
      unbuilt=$((unbuilt + 1))
    elif run_suites; then
      fate="SURVIVED"
      survived=$((survived + 1))
    else
      fate="killed"
      killed=$((killed + 1))
    fi
    printf '%s' "$content" >"$tree/$file"
    mutated=""
  fi
  printf '%-34s %s: %s\n' "$fate" "$file" "$title" >>"$results"
  [ "$fate" = killed ] || printf '%-34s %s: %s\n' "$fate" "$file" "$title"
done

tried=$((killed + survived))
rate="$(awk -v k="$killed" -v t="$tried" 'BEGIN { printf "%.1f", t ? 100 * k / t : 0 }')"
echo "Mutants: $killed killed, $survived survived, $stale stale, $unbuilt not built:" \
  "kill rate $rate% ($killed/$tried)"
[ "$stale" -eq 0 ] && [ "$unbuilt" -eq 0 ]
