# Shared by the install and package checks: the build folder, required tools,
# the udev rule check and the command line run from an installed tree.
# Source it after setting $bin (the build's bin folder) and $work (scratch).

build=$(cd "$bin/.." && pwd)

# Missing tools skip the check on a workstation; in CI they are a failure.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      if [ "${CI:-}" = true ]; then
        echo "FAIL: $tool is not installed (scripts/bootstrap installs it)"
        exit 1
      fi
      echo "SKIP: $tool is not installed (scripts/bootstrap installs it)"
      exit 77
    fi
  done
}

# check_udev_rule FILE: `udevadm verify` where udev has it, else a syntax
# check: every rule is comma-separated KEY[{attr}]OP"value" items, match keys
# compare (== !=), assignment keys assign (= += -= :=), one assignment at least.
check_udev_rule() {
  local file=$1
  if command -v udevadm >/dev/null 2>&1 && udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$file" || { echo "FAIL: udevadm verify $file"; return 1; }
    return 0
  fi
  local match='^(ACTION|DEVPATH|KERNEL|KERNELS|NAME|SYMLINK|SUBSYSTEM|SUBSYSTEMS|DRIVER|DRIVERS|ATTR|ATTRS|SYSCTL|ENV|CONST|TAG|TAGS|TEST|PROGRAM|RESULT)$'
  local assign='^(NAME|SYMLINK|OWNER|GROUP|MODE|ATTR|SYSCTL|ENV|TAG|RUN|LABEL|GOTO|IMPORT|OPTIONS|SECLABEL)$'
  local item='^[[:space:]]*([A-Z]+)(\{[^}]+\})?[[:space:]]*(==|!=|\+=|-=|:=|=)[[:space:]]*"[^"]*"[[:space:]]*$'
  local line n=0 rules=0 rest token key op assigned
  while IFS= read -r line || [ -n "$line" ]; do
    n=$((n + 1))
    [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
    rules=$((rules + 1)) assigned=0 rest=$line
    while [ -n "$rest" ]; do
      # One item: everything up to the comma after its closing quote.
      if [[ $rest =~ ^([^\"]*\"[^\"]*\")[[:space:]]*(,(.*))?$ ]]; then
        token=${BASH_REMATCH[1]} rest=${BASH_REMATCH[3]}
        [ -z "${BASH_REMATCH[2]}" ] && rest=
      else
        echo "FAIL: $file:$n: cannot read '$rest'"
        return 1
      fi
      [[ $token =~ $item ]] || { echo "FAIL: $file:$n: bad item '$token'"; return 1; }
      key=${BASH_REMATCH[1]} op=${BASH_REMATCH[3]}
      if [ "$op" = "==" ] || [ "$op" = "!=" ]; then
        [[ $key =~ $match ]] || { echo "FAIL: $file:$n: $key cannot be matched"; return 1; }
      else
        [[ $key =~ $assign ]] || { echo "FAIL: $file:$n: $key cannot be assigned"; return 1; }
        assigned=1
      fi
    done
    [ "$assigned" = 1 ] || { echo "FAIL: $file:$n: the rule assigns nothing"; return 1; }
  done <"$file"
  [ "$rules" -gt 0 ] || { echo "FAIL: $file holds no rule"; return 1; }
}

# check_installed_cli ROOT: the command line of an installed tree under ROOT
# (prefix /usr) with an empty home: the first start seeds ~/.config/pelmora,
# `show` prints the delivered settings and `--simulate apply` works.
check_installed_cli() {
  local root=$1 home
  home=$(mktemp -d "$work/home.XXXXXX")
  local -a env_run=(env -i HOME="$home" PATH=/usr/bin:/bin LANG=tr_TR.UTF-8)
  "${env_run[@]}" "$root/usr/bin/pelmora-cli" show >"$work/show.json" 2>"$work/show.err" ||
    { cat "$work/show.err"; echo "FAIL: show from the installed tree"; return 1; }
  grep -q '"firstRunFlag": 0' "$work/show.json" || { echo "FAIL: show printed no settings"; return 1; }
  for f in config.bin str.ini record.ini; do
    [ -f "$home/.config/pelmora/$f" ] || { echo "FAIL: $f was not seeded"; return 1; }
  done
  cmp -s "$root/usr/share/pelmora/config.bin" "$home/.config/pelmora/config.bin" ||
    { echo "FAIL: the seeded config.bin differs from the delivered one"; return 1; }
  grep -qx 'Lan=TUR' "$home/.config/pelmora/str.ini" ||
    { echo "FAIL: the seeded str.ini did not take the locale's language"; return 1; }
  "${env_run[@]}" "$root/usr/bin/pelmora-cli" --simulate apply >"$work/apply.log" 2>&1 ||
    { cat "$work/apply.log"; echo "FAIL: --simulate apply from the installed tree"; return 1; }
  grep -q "$home/.config/pelmora/config.bin" "$work/apply.log" ||
    { cat "$work/apply.log"; echo "FAIL: apply did not use the seeded folder"; return 1; }
  # Nothing was written beside the installed program, nothing outside the home.
  [ -z "$(find "$root" -newer "$work/show.json" -type f)" ] ||
    { echo "FAIL: running wrote into the installed tree"; return 1; }
}
