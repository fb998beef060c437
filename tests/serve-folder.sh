# Sourced by the update tests: serve FOLDER LOG starts Python's HTTP server for FOLDER on a
# free port of 127.0.0.1, logging requests to LOG, and sets served_port and served_pid once
# it listens.
serve() {
    python3 -u -m http.server --bind 127.0.0.1 --directory "$1" 0 > "$2" 2>&1 &
    served_pid=$!
    served_port=""
    for _ in $(seq 50); do
        served_port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$2" | head -1)
        [ -n "$served_port" ] && break
        sleep 0.1
    done
}
