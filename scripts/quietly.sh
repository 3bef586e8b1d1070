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
