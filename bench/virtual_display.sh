# Sourced by the bench scripts. start_virtual_display FOLDER starts an Xvfb of its own, with its
# output in FOLDER, sets xvfb to its process id and exports DISPLAY. Xvfb picks a free display
# number itself and writes it once it accepts clients, so a display that another program already
# runs is never measured in place of ours.
start_virtual_display() {
    local folder=$1 number=""
    mkdir -p "$folder"
    : >"$folder/display" # there before Xvfb opens it, so that reading it never fails
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 &
    xvfb=$!
    # A machine under load can take some seconds.
    for _ in $(seq 100); do
        number=$(cat "$folder/display")
        [ -n "$number" ] && break
        if ! kill -0 "$xvfb" 2>/dev/null; then
            echo "Xvfb stopped before its display was ready:" >&2
            cat "$folder/xvfb.log" >&2
            return 1
        fi
        sleep 0.1
    done
    if [ -z "$number" ]; then
        echo "Xvfb gave no display within 10 seconds." >&2
        return 1
    fi
    export DISPLAY=:$number
}

# Fails when our Xvfb is gone: what ran since then measured no display of ours.
check_virtual_display() {
    if ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb stopped during the run; its measurements are void." >&2
        return 1
    fi
}
