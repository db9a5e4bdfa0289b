#!/usr/bin/env bash
# The bash completion of pelmora-cli: commands, setting names, and values
# after "NAME=", with bash's own word breaks.
# grep reads every line (no -q): under pipefail, an early exit of grep would
# fail the writer with SIGPIPE.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../packaging/bash-completion/pelmora-cli"

# Completes the line as bash would split it (COMP_WORDBREAKS keeps "=").
complete_line() {
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    local split
    split=$(sed -E 's/=/ = /g' <<<"$1")
    read -r -a COMP_WORDS <<<"$split"
    [[ $1 == *" " || $1 == *= ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _pelmora_cli
    printf '%s\n' "${COMPREPLY[@]}"
}
fail() { echo "FAIL: $*" >&2; exit 1; }

complete_line "pelmora-cli ex" | grep -x export >/dev/null || fail "command"
complete_line "pelmora-cli --data-dir /tmp s" | grep -x set >/dev/null || fail "command after an option"
complete_line "pelmora-cli --data-dir=/tmp s" | grep -x set >/dev/null || fail "command after --opt=VALUE"
complete_line "pelmora-cli --data-dir=/t" | grep -x /tmp >/dev/null || fail "value after --opt="
complete_line "pelmora-cli set report-r" | grep -x "report-rate=" >/dev/null || fail "setting name"
complete_line "pelmora-cli set report-rate=" | grep -x 1000 >/dev/null || fail "report rate values"
complete_line "pelmora-cli set a3=sin" | grep -x 'Single\\ Key:' >/dev/null || fail "function value"
complete_line "pelmora-cli set light-mode=n" | grep -x Neon >/dev/null || fail "case-insensitive value"
complete_line "pelmora-cli macro " | grep -x delete >/dev/null || fail "macro subcommand"
complete_line "pelmora-cli get " | grep -x dpi2-colour >/dev/null || fail "get names"
complete_line "pelmora-cli set double" | grep -x "double-click=" >/dev/null || fail "pointer level name"
complete_line "pelmora-cli set scroll-one-screen=" | grep -x on >/dev/null || fail "tick box values"
# Profile names come from pelmora-cli itself, in the data folder of the line.
pelmora-cli() {
    [[ "$*" == "--data-dir /d profile list" ]] && printf '%s\n' "* Game Night *  [hl2_linux]" "! Broken  (damaged)" "  desk"
}
complete_line "pelmora-cli profile " | grep -x use >/dev/null || fail "profile action"
complete_line "pelmora-cli --data-dir /d profile use g" | grep -x 'Game\\ Night' >/dev/null || fail "profile names"
[[ $(complete_line "pelmora-cli --data-dir /d profile rename " | wc -l) == 3 ]] || fail "every profile"
echo ok
