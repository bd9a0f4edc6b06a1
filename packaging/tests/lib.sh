# SPDX-License-Identifier: GPL-3.0-or-later
# What the packaging tests share. Sourced, with set -euo pipefail.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# expect_files ROOT LIST: every path of LIST (one a line, relative) is in ROOT.
expect_files() {
  local root=$1 list=$2 path missing=()
  while read -r path; do
    [[ -e $root/$path ]] || missing+=("$path")
  done <"$list"
  ((${#missing[@]} == 0)) || fail "missing from $root: ${missing[*]}"
}

# convert_and_assemble BINDIR SCRATCH: the obelc in BINDIR, on a fresh data
# folder, converts a sample map it ships and assembles the text.
convert_and_assemble() {
  local bin=$1 scratch=$2 image
  local map=$bin/../share/obel/programdir/PLC/LATCH.MAP
  [[ -f $map ]] || fail "no sample map at $map"
  export XDG_DATA_HOME=$scratch/data
  image=$("$bin/obelc" convert --pages 1 "$map" | "$bin/obelc" assemble -) ||
    fail "$bin/obelc could not convert and assemble $map"
  grep -q '^0000 = [0-9A-F][0-9A-F] - [0-9A-F][0-9A-F]' <<<"$image" || fail "no code image: $image"
  [[ -d $XDG_DATA_HOME/Obel/def ]] || fail "obelc did not fill the data folder"
  unset XDG_DATA_HOME
}
