#!/usr/bin/env bash
# The bash completion reads commands and options from wright's own help: it must find
# them there, through a command with commands of its own too.
source "$(dirname "$0")/checks.sh"
completion=$1
wright=$2
complete() { compopt() { :; }; }  # outside an interactive shell these do nothing
source "$completion"

complete_words() {  # prints the completions of the command line "$@" (last word being typed)
  COMP_WORDS=("$wright" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _wright
  printf '%s\n' "${COMPREPLY[@]}"
}
commands=$(complete_words "")
check "top-level commands" bash -c 'grep -qx grid <<< "$1" && grep -qx dict <<< "$1"' _ "$commands"
check "only commands at the top" test -z "$(grep -v '^[a-z]*$' <<< "$commands")"
check "options of a command" bash -c '[[ "$1" == *--dictionary* && "$1" == *--out* ]]' _ \
  "$(complete_words grid --o) $(complete_words grid --d)"
check "commands of dict" grep -qx check <<< "$(complete_words dict "")"
check "files after an option" test -z "$(complete_words grid --out "")"
finish
