#!/usr/bin/env bash
# The bash completion of pelmora-cli: commands, setting names, and values
# after "NAME=", with bash's own word breaks.
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

complete_line "pelmora-cli ex" | grep -qx export || fail "command"
complete_line "pelmora-cli --data-dir /tmp s" | grep -qx set || fail "command after an option"
complete_line "pelmora-cli set report-r" | grep -qx "report-rate=" || fail "setting name"
complete_line "pelmora-cli set report-rate=" | grep -qx 1000 || fail "report rate values"
complete_line "pelmora-cli set a3=sin" | grep -qx 'Single\\ Key:' || fail "function value"
complete_line "pelmora-cli set light-mode=n" | grep -qx Neon || fail "case-insensitive value"
complete_line "pelmora-cli macro " | grep -qx delete || fail "macro subcommand"
complete_line "pelmora-cli get " | grep -qx dpi2-colour || fail "get names"
echo ok
