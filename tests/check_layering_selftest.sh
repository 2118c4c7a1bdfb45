#!/usr/bin/env bash
# check_layering_selftest.sh CHECKER RULES: the layering check must fail on an upward and a sideways include
# in a small planted tree, name file, line and include, accept the allowed ones and honour an exception.
set -euo pipefail
checker=$(readlink -f "$1")
rules=$(readlink -f "$2")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/platform/db" "$tree/src/guide" "$tree/src/card" "$tree/src/search" "$tree/resources"
printf '#include "platform/db/Base.h"\n#include "guide/Screen.h"\n' >"$tree/src/platform/db/Base.h"
printf '#include <QString>\n#include "card/Card.h"\n#include "platform/db/Base.h"\n' >"$tree/src/guide/Screen.h"
printf '#include "platform/db/Base.h"\n#include <search/Form.h>\n' >"$tree/src/card/Card.h"
printf '#include "card/Card.h"\n' >"$tree/src/search/Form.h"
printf '#include "resources/Pictures.h"\n' >"$tree/resources/Pictures.h"

expect() {
    grep -qF -- "$1" <<<"$output" || { echo "missing from the check's report: $1"; echo "$output"; exit 1; }
}

if output=$("$checker" "$rules" "$tree" 2>&1); then
    echo "the check passed a tree with an upward and two sideways includes"
    exit 1
fi
expect 'src/platform/db/Base.h:2: includes "guide/Screen.h"'
expect 'src/card/Card.h:2: includes "search/Form.h"'
expect 'src/search/Form.h:1: includes "card/Card.h"'
expect '3 include(s) break'

# An exception line lets exactly that include through.
cp "$rules" "$tree/rules"
printf 'exception: src/search/Form.h card/Card.h\n' >>"$tree/rules"
output=$("$checker" "$tree/rules" "$tree" 2>&1) || true
expect '2 include(s) break'
echo "The layering check catches what it must"
