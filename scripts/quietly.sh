# Sourced by the build and bench scripts. quietly COMMAND [ARGS...] runs one step with its output
# kept aside: a step that succeeds prints nothing, one that fails prints which command failed and
# everything it said (the compiler's errors), and returns the step's status, which ends a script
# run with `set -e`.
quietly() {
    local output status=0
    output=$(mktemp)
    "$@" >"$output" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$* failed:" >&2
        cat "$output" >&2
    fi
    rm -f "$output"
    return "$status"
}

# quietly_building DIR [ARGS...] runs `cmake --build DIR ARGS...` as quietly runs a step, and says
# once that it is building when the build has something to do (a build already up to date stays
# silent), with a word that the first build in DIR takes minutes. On a terminal one line shows how
# many of the build's steps are done, and is cleared when the build ends.
quietly_building() {
    local build=$1
    shift
    local output status=0 told="" first="" step pid
    [ -f "$build/.ninja_log" ] || first=yes
    output=$(mktemp)
    NINJA_STATUS='[%f/%t] ' cmake --build "$build" "$@" >"$output" 2>&1 &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        sleep 0.2
        # Every build re-checks the globbed source folders; any other step is work to do.
        step=$(grep -v 'Re-checking globbed directories' "$output" | grep -o '^\[[0-9]*/[0-9]*\]' |
            tail -n 1 | tr -d '[]') || true
        if [ -z "$step" ]; then
            continue
        fi
        if [ -z "$told" ]; then
            told=yes
            if [ -n "$first" ]; then
                echo "Building Korvane in $build: the first build takes several minutes."
            else
                echo "Building Korvane in $build."
            fi
        fi
        if [ -t 1 ]; then
            printf '\r%s steps done' "$step"
        fi
    done
    wait "$pid" || status=$?
    if [ -n "$told" ] && [ -t 1 ]; then
        printf '\r\033[K'
    fi
    if [ "$status" -ne 0 ]; then
        echo "cmake --build $build${*:+ $*} failed:" >&2
        cat "$output" >&2
    fi
    rm -f "$output"
    return "$status"
}
