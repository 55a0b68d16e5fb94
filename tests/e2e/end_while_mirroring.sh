#!/usr/bin/env bash
# The real program under Xvfb, driven as a user would: started from another folder, it lists a
# large cache, starts the mirror, and is closed (Esc, then OK) while the worker still runs.
# It must end promptly with exit code 0, leaving the mirror it made so far in its own folder.
# usage: end_while_mirroring.sh <folder holding lindquay, lindquay-tree, lindquay-sample-db>
set -euo pipefail
bin="$1"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
run="$work/运行 目录"
mkdir -p "$run"
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$bin/lindquay" "$bin/lindquay-tree" "$run/"
"$bin/lindquay-sample-db" "$run/BaiduYunCacheFileV0.db" 300000

display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM
(cd / && exec "$run/lindquay") >"$work/program.log" 2>&1 &
program=$!

window=$(timeout 20 xdotool search --sync --name '^Lindquay_Ostrel$' | head -n 1)
[ -d "$run/网盘本地镜像" ] || { echo "mirror root not made in the run directory"; exit 1; }

press_in_box() { # title, key
    local box
    box=$(timeout 60 xdotool search --sync --name "^$1\$" | head -n 1)
    xdotool windowfocus --sync "$box" key "$2"
}

xdotool mousemove --window "$window" 70 660 click 1         # 按钮4: read the cache
press_in_box '信息：' Return                                   # 读取完毕可以其他操作！
xdotool mousemove --window "$window" 224 660 click 1        # 按钮1: build the mirror
for _ in $(seq 100); do
    [ "$(find "$run/网盘本地镜像" -mindepth 1 -maxdepth 1 | head -n 1)" ] && break
    sleep 0.05
done
xdotool windowfocus --sync "$window" key Escape             # the close request
press_in_box '提示' Return                                     # 您确定退出程序吗? OK
start=$(date +%s%N)
status=0
wait "$program" || status=$?
program=""
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))

made=$(find "$run/网盘本地镜像" -mindepth 1 | wc -l)
echo "exit code $status after ${elapsed_ms} ms; the mirror held $made of 300000 entries"
[ "$status" -eq 0 ] || { cat "$work/program.log"; exit 1; }
[ "$elapsed_ms" -lt 3000 ] || { echo "the program did not end promptly"; exit 1; }
[ "$made" -gt 0 ] && [ "$made" -lt 300000 ] || { echo "the worker was not running at the end"; exit 1; }
