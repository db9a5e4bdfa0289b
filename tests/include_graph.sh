#!/usr/bin/env bash
# The include graph of src/: every #include "..." against the folders each
# folder may use. base is at the bottom, the Qt-free core above it (the
# mouse's protocol in device/, its backends in device/linux and device/sim,
# the link that picks one in device/link), the window's parts (ui/) above the
# core, the two programs (app/, cli/ with its doctor/) on top; no folder uses one above it, so
# there is no cycle either. A file in a new folder fails until the folder has
# its line below.
set -euo pipefail
src=${1:?usage: include_graph.sh SRC_DIR}

core="base settings desktop device device/linux device/sim device/uhid device/link keys macros words profiles"
declare -A may=(
  [base]=""
  [settings]="base"
  [keys]="base settings"
  [macros]="base settings keys"
  [words]="base settings keys macros desktop"
  [profiles]="base settings keys macros desktop words"
  [desktop]="base settings"
  [device]="base settings keys"
  [device/linux]="device base settings keys"
  [device/sim]="device base settings keys"
  [device/uhid]="device/sim device base settings keys"
  [device/link]="device/linux device/sim device base settings keys"
  [ui/skin]="$core"
  [ui/macros]="ui/skin $core"
  [ui/keys]="ui/skin ui/macros $core"
  [ui/pages]="ui/skin ui/macros ui/keys $core"
  [app]="ui ui/skin ui/macros ui/keys ui/pages $core"
  [doctor]="$core"
  [cli]="doctor $core"
)

# The folder a path under src/ belongs to: its first folder, those of the
# device and the window one level deeper.
folder() {
  local top=${1%%/*} rest=${1#*/}
  if [[ ($top == ui || $top == device) && $rest == */* ]]; then
    echo "$top/${rest%%/*}"
  else
    echo "$top"
  fi
}

status=0
cd "$src"
while IFS= read -r -d '' file; do
  from=$(folder "$file")
  if [[ ! -v may[$from] ]]; then
    echo "$file: the folder $from has no line in $0"
    status=1
    continue
  fi
  while IFS= read -r target; do
    [[ -e $target ]] || continue # generated in the build tree, or a system header
    to=$(folder "$target")
    [[ $to == "$from" || " ${may[$from]} " == *" $to "* ]] && continue
    echo "$file: includes $target, but $from may not use $to"
    status=1
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | tr '\n' '\0')
exit $status
