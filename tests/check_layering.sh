#!/usr/bin/env bash
# check_layering.sh RULES ROOT: fails, naming file, line and include, on every include of the program's own
# headers under ROOT/src and ROOT/resources that RULES does not allow (see tests/layering.rules).
set -euo pipefail -o noglob # `*` in the rules is a word, not a file pattern
rules=$(readlink -f "$1")
root=$2
cd "$root"

trim() {
    local text=$1
    text=${text#"${text%%[![:space:]]*}"}
    echo "${text%"${text##*[![:space:]]}"}"
}

declare -A allowed exceptions
while IFS= read -r line || [ -n "$line" ]; do
    line=${line%%#*}
    [[ $line =~ ^[[:space:]]*$ ]] && continue
    key=$(trim "${line%%:*}")
    value=$(trim "${line#*:}")
    if [ "$key" = exception ]; then
        exceptions["$value"]=1
    else
        allowed["$key"]=$value
    fi
done <"$rules"

# The program's own top folders: an include naming one of them is checked, <QString> and the like are not.
own=" resources $(find src -mindepth 1 -maxdepth 1 -type d -printf '%f ')"

ruleFor() {
    local path=$1
    while [ "$path" != . ] && [ -n "$path" ]; do
        if [ -n "${allowed[$path]+set}" ]; then
            echo "$path"
            return
        fi
        [[ $path == */* ]] && path=${path%/*} || path=.
    done
}

failures=0
while IFS= read -r -d '' file; do
    rule=$(ruleFor "$file")
    if [ -z "$rule" ]; then
        echo "$file: no line for its folder in $rules"
        failures=$((failures + 1))
        continue
    fi
    prefixes=${allowed[$rule]}
    while IFS=: read -r number text; do
        [[ $text =~ include[[:space:]]*[\<\"]([^\">]+) ]] || continue
        include=${BASH_REMATCH[1]}
        top=${include%%/*}
        [ "$top" = "$include" ] && continue # same folder or generated, e.g. "x.moc"
        if [[ $include == *..* ]]; then
            echo "$file:$number: includes \"$include\": climbing out of the include root hides the layer"
            failures=$((failures + 1))
            continue
        fi
        [[ $own == *" $top "* ]] || continue
        [ -n "${exceptions["$file $include"]+set}" ] && continue
        ok=0
        for prefix in $prefixes; do
            if [ "$prefix" = '*' ] || [ "$include" = "$prefix" ] || [[ $include == "$prefix"/* ]]; then
                ok=1
                break
            fi
        done
        if [ $ok = 0 ]; then
            echo "$file:$number: includes \"$include\", which $rule may not (allowed: $prefixes)"
            failures=$((failures + 1))
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file" || true)
done < <(find src resources -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [ $failures -gt 0 ]; then
    echo "$failures include(s) break the layering rules in $rules"
    exit 1
fi
echo "Layering rules hold"
