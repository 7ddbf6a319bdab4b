#!/usr/bin/env bash
# bash tests/cli/completion_test.sh BUILD_DIR
# Installs the build as `cmake --install` does, loads the installed bash
# completion for orvandel-cli as bash-completion would, and checks what it
# offers against the installed program's own help and controls listing.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root" >/dev/null
script=$root/share/bash-completion/completions/orvandel-cli
program=$root/games/orvandel-cli
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

[[ -f $script ]] || { echo "FAIL: no completion installed at $script"; exit 1; }
# shellcheck source=/dev/null
source "$script"
complete -p orvandel-cli | grep -q -- '-F _orvandel_cli' || fail "orvandel-cli has no completion function"

# What the completion offers after the words given, the last being the word
# being typed; one a line, sorted.
offers() {
  COMP_WORDS=("$program" "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _orvandel_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local what=$1 got=$2 wanted=$3
  [[ $got == "$wanted" ]] || fail "$what: offered [$(echo $got)], expected [$(echo $wanted)]"
}
sorted() { printf '%s\n' "$@" | sort; }

expect "commands" "$(offers '')" "$(sorted --help --version controls generate improve names verify)"
expect "a command's beginning" "$(offers gen)" "generate"
for command in generate improve verify controls names; do
  # The options the program lists in its help, long names only.
  help=$("$program" "$command" --help | grep -oE '^  (-h,)?--[a-z-]+' | sed 's/^ *-h,//; s/^ *//' | sort)
  expect "$command options" "$(offers "$command" --)" "$help"
done
expect "generate --format" "$(offers generate --format '')" "$(sorted json pnj text)"
expect "--profession Noble G…" "$(offers generate --profession 'Noble G')" 'Noble\ Guerrier'
expect "every profession" "$(offers generate --profession '' | wc -l)" "$("$program" names professions | wc -l)"
expect "--nationalite Ste…" "$(offers generate --nationalite Ste)" "Stelmark"
expect "--min F…" "$(offers generate --min F)" "FOR="
expect "controls --format" "$(offers controls --format '')" "$(sorted json text)"
expect "improve comp(1…" "$(offers improve 'comp(1')" \
  "$(sorted 'comp(1)' 'comp(10)' 'comp(11)' 'comp(12)' 'comp(13)' 'comp(14)' 'comp(15)' 'comp(16)' 'comp(17)' 'comp(18)' 'comp(19)')"
targets=$("$program" controls | grep -cE '^(comp|arme_att|arme_par)\(')
expect "every improvement target" "$(offers improve '' | wc -l)" "$targets"
expect "after --count, nothing" "$(offers generate --count '')" ""
echo "$failures failure(s)"
((failures == 0))
