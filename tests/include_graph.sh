#!/usr/bin/env bash
# The include graph of src/: every #include "..." against the folders each
# folder may use. base is at the bottom, the Qt-free core above it, the
# window's parts (ui/) above the core, the two programs (app/, cli/) on top;
# no folder uses one above it, so there is no cycle either. A file in a new
# folder fails until the folder has its line below.
set -euo pipefail
src=${1:?usage: include_graph.sh SRC_DIR}

core="base settings desktop device keys macros"
declare -A may=(
  [base]=""
  [settings]="base"
  [keys]="base settings"
  [macros]="base settings keys"
  [desktop]="base settings"
  [device]="base settings keys"
  [ui/skin]="$core"
  [ui/macros]="ui/skin $core"
  [ui/keys]="ui/skin ui/macros $core"
  [ui/pages]="ui/skin ui/macros ui/keys $core"
  [app]="ui ui/skin ui/macros ui/keys ui/pages $core"
  [cli]="$core"
)

# The folder a path under src/ belongs to: its first folder, the window's
# parts one level deeper (device/linux is device's own).
folder() {
  local top=${1%%/*} rest=${1#*/}
  if [[ $top == ui && $rest == */* ]]; then
    echo "ui/${rest%%/*}"
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
    to=$(folder "$target")
    [[ $to == "$from" || " ${may[$from]} " == *" $to "* ]] && continue
    echo "$file: includes $target, but $from may not use $to"
    status=1
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | tr '\n' '\0')
exit $status
