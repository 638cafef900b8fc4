#!/usr/bin/env bash
# veskoenc.exe against the plain FFmpeg command of the same meaning, on the same clip in the same run:
# the ratio of wall times per output format (target: at most 1.05), and the probe time per file. The
# runs alternate and the best of each side counts, so that other load on the machine weighs least.
# Not part of CI. Needs both builds (scripts/build.sh, or NATIVE=... WINDOWS=... for other folders).
#
#   standins/veskoenc/bench/benchmark.sh [RUNS] [CLIP_SECONDS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../../.."
runs=${1:-3}
seconds=${2:-20}
native=${NATIVE:-build/native}
windows=${WINDOWS:-build/windows}
plan=$native/bin/veskoenc_bench_plan
encoder=$windows/bin/veskoenc.exe
for f in "$plan" "$encoder" "$windows/bin/veskoenc-helper"; do
    [ -e "$f" ] || { echo "missing $f: build first" >&2; exit 1; }
done

source scripts/wine-env.sh
[ -z "${DISPLAY:-}" ] && start_private_display
work=$(mktemp -d /tmp/veskoenc-bench.XXXXXX)
trap 'rm -rf "$work"; stop_wine_env' EXIT
prepare_wine_prefix

now() { date +%s%N; }
ms() { echo $(( ($2 - $1) / 1000000 )); }
winpath() { echo "Z:${1//\//\\}"; }

clip=$work/clip.mov
ffmpeg -hide_banner -loglevel error -f lavfi -i "testsrc=size=640x480:rate=25:duration=$seconds" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$seconds" -ac 2 -c:a pcm_s16le \
    -c:v mpeg4 -q:v 4 -f mov "$clip"
small=$work/small.mov
ffmpeg -hide_banner -loglevel error -f lavfi -i "testsrc=size=320x240:rate=15:duration=3" -c:v mpeg4 -f mov "$small"

echo "Clip: 640x480 at 25 fps, $seconds s, stereo; best of $runs runs each; veskoenc.exe under Wine ($(wine --version))"
start=$(now); wine "$encoder" >/dev/null 2>&1 || true; end=$(now)
echo "Start-up of veskoenc.exe alone (no arguments): $(ms "$start" "$end") ms"
echo
printf '%-6s %12s %12s %7s\n' format "veskoenc ms" "ffmpeg ms" ratio
best() { [ "$1" -eq 0 ] || [ "$2" -lt "$1" ] && echo "$2" || echo "$1"; }
"$plan" "$(winpath "$clip")" "$clip" "$(winpath "$work")" "$work" 640 480 25 |
while IFS=$'\t' read -r name encoderWords veskoTarget plainTarget words; do
    IFS=$'\x1f' read -ra arguments <<< "$encoderWords"
    IFS=$'\x1f' read -ra plain <<< "$words"
    vesko_best=0
    plain_best=0
    for _ in $(seq "$runs"); do
        rm -f "$veskoTarget" "$plainTarget"
        start=$(now)
        # Corvane's argument string, word by word (window handle 0: nobody listens).
        wine "$encoder" "${arguments[@]}" </dev/null >/dev/null 2>&1 || echo "$name: veskoenc.exe failed (see veskoenc.log)" >&2
        end=$(now)
        vesko_best=$(best "$vesko_best" $(( end - start )))
        start=$(now)
        ffmpeg "${plain[@]}" </dev/null >/dev/null 2>&1 || echo "$name: ffmpeg failed" >&2
        end=$(now)
        plain_best=$(best "$plain_best" $(( end - start )))
        [ -s "$veskoTarget" ] && [ -s "$plainTarget" ] || { echo "$name: an output is missing" >&2; exit 1; }
    done
    printf '%-6s %12d %12d %7s\n' "$name" $(( vesko_best / 1000000 )) $(( plain_best / 1000000 )) \
        "$(awk -v a="$vesko_best" -v b="$plain_best" 'BEGIN { printf "%.3f", a / b }')"
done
echo
printf '%-10s %12s %12s\n' probe "veskoenc ms" "ffprobe ms"
for file in "$clip" "$small"; do
    vesko_best=0
    plain_best=0
    for _ in $(seq "$runs"); do
        start=$(now)
        wine "$encoder" "$(winpath "$file")" -o "$(winpath "$work")\\x.avi" -endpos 9:0:0 1 0 >/dev/null 2>&1 || true
        end=$(now)
        vesko_best=$(best "$vesko_best" $(( end - start )))
        start=$(now)
        ffprobe -hide_banner -loglevel error -select_streams v:0 \
            -show_entries format=duration:stream=width,height,avg_frame_rate,r_frame_rate "$file" >/dev/null
        end=$(now)
        plain_best=$(best "$plain_best" $(( end - start )))
    done
    printf '%-10s %12d %12d\n' "$(basename "$file")" $(( vesko_best / 1000000 )) $(( plain_best / 1000000 ))
done
