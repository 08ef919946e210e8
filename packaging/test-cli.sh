#!/usr/bin/env bash
# The program's command line: --version and --help answer on the terminal
# and exit 0 without a display; a --lang other than ru or en is refused with
# a line and the usage on stderr and exit 2, without a display either;
# anything else still opens the window.
#   test-cli.sh <quillfern binary> <project version>
set -uo pipefail
bin=$1
version=$2

# mode    | arguments                | expected stdout (ERE over the whole output)
#  answer:  run with no display at all (Qt would abort); must exit 0 at once
#  error:   run with no display; must exit 2 at once, nothing on stdout, the
#           pattern matched by stderr
#  window:  run offscreen; must still be running after 2 s, silent on stdout
cases=$(cat <<TABLE
answer  | --version                | ^Quillfern ${version//./\\.}$
answer  | --help                   | ^Usage: quillfern .*--version.*$
answer  | -h                       | ^Usage: quillfern .*--version.*$
answer  | --help --version         | ^Usage: quillfern
answer  | --version --help         | ^Quillfern ${version//./\\.}$
answer  | -style fusion --version  | ^Quillfern ${version//./\\.}$
error   | --lang xx                | ^quillfern: --lang takes ru or en.*Usage: quillfern .*--lang
error   | --lang                   | ^quillfern: --lang takes ru or en
window  | --lang en                | ^$
window  | --lang=ru                | ^$
window  |                          | ^$
window  | --versions               | ^$
window  | -help                    | ^$
window  | version --               | ^$
window  | -platform offscreen      | ^$
TABLE
)

failures=0
while IFS='|' read -r mode args expected; do
    mode=$(echo $mode)
    args=$(echo $args)
    expected=$(echo "$expected" | sed 's/^ *//; s/ *$//')
    errFile=$(mktemp)
    if [ "$mode" = answer ]; then
        out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$bin" $args 2>"$errFile")
        rc=$?
        wantRc=0
    elif [ "$mode" = error ]; then
        stdoutText=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$bin" $args 2>"$errFile")
        rc=$?
        wantRc=2
        # What is checked is stderr; stdout must stay empty.
        out=$(cat "$errFile")
        [ -n "$stdoutText" ] && rc=99
        : >"$errFile"
    else
        out=$(QT_QPA_PLATFORM=offscreen timeout 2 "$bin" $args 2>"$errFile")
        rc=$?
        wantRc=124 # still running when the timeout ended it
    fi
    # The whole output as one line, so a pattern can span the usage text.
    flat=$(printf '%s' "$out" | tr '\n' ' ' | sed 's/ *$//')
    if [ "$rc" -ne "$wantRc" ] || ! [[ $flat =~ $expected ]] \
        || { [ "$mode" = answer ] && [ -s "$errFile" ]; }; then
        echo "FAIL [$mode] quillfern $args: exit $rc (want $wantRc), stdout to match /$expected/"
        echo "  stdout: $out"
        echo "  stderr: $(head -c 400 "$errFile")"
        failures=$((failures + 1))
    else
        echo "ok   [$mode] quillfern $args"
    fi
    rm -f "$errFile"
done <<<"$cases"

[ "$failures" -eq 0 ]
