#!/usr/bin/env bash
# A batch of clips converted to AVI through Corvane (its real main window, file dialog and encoder,
# under Wine) against the same clips converted by plain FFmpeg with the same meaning, in one run.
# Prints the wall-time ratio (target: at most 1.05), the probe time per added file and Corvane's own
# processor time while it waits for the encoder (target: under 2% of one core).
#
#   bench/batch-benchmark.sh [CLIPS] [CLIP_SECONDS]     (after scripts/build.sh)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count=${1:-5}
seconds=${2:-20}
native=${NATIVE:-build/native}
windows=${WINDOWS:-build/windows}
plan=$native/bin/veskoenc_bench_plan
bench=$windows/bin/corvane_batch_bench.exe
for f in "$plan" "$bench" "$windows/bin/veskoenc.exe" "$windows/bin/veskoenc-helper"; do
    [ -e "$f" ] || { echo "missing $f: run scripts/build.sh first" >&2; exit 1; }
done

source scripts/wine-env.sh
[ -z "${DISPLAY:-}" ] && start_private_display
work=$(mktemp -d /tmp/corvane-bench.XXXXXX)
trap 'rm -rf "$work"; stop_wine_env' EXIT
prepare_wine_prefix
# Without a window manager Wine waits two seconds for one whenever a window closes or hides; that is no
# cost of Corvane's, so the benchmark's windows are unmanaged.
wine reg add 'HKCU\Software\Wine\AppDefaults\corvane_batch_bench.exe\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1
winpath() { echo "Z:${1//\//\\}"; }
now() { date +%s%N; }

mkdir -p "$work/clips" "$work/corvane" "$work/plain"
names=()
for i in $(seq "$count"); do
    name="clip $i.mov"
    ffmpeg -hide_banner -loglevel error -f lavfi -i "testsrc=size=640x480:rate=25:duration=$seconds" \
        -f lavfi -i "sine=frequency=$((300 + 40 * i)):sample_rate=44100:duration=$seconds" -ac 2 -c:a pcm_s16le \
        -c:v mpeg4 -q:v 4 -f mov "$work/clips/$name"
    names+=("$name")
done

# Plain FFmpeg: the AVI command of the same meaning, clip after clip.
start=$(now)
for name in "${names[@]}"; do
    "$plan" "$(winpath "$work/clips/$name")" "$work/clips/$name" "$(winpath "$work/unused")" "$work/plain" 640 480 25 |
    while IFS=$'\t' read -r format _ _ plainTarget words; do
        [ "$format" = "AVI" ] || continue
        IFS=$'\x1f' read -ra plain <<< "$words"
        ffmpeg "${plain[@]}" </dev/null >/dev/null 2>&1
        mv "$plainTarget" "$work/plain/${name%.mov}.avi"
    done
done
plain_ns=$(( $(now) - start ))

start=$(now)
report=$(wine "$bench" "$(winpath "$work/clips")\\" "$(winpath "$work/corvane")\\" "${names[@]}" 2>/dev/null | tr -d '\r')
whole_ns=$(( $(now) - start ))
value() { echo "$report" | awk -v key="$1" '$1 == key { print $2 }'; }
batch_ms=$(value batch_ms)
cpu_ms=$(value corvane_cpu_ms)
[ -n "$batch_ms" ] || { echo "Corvane's run failed:"; echo "$report"; exit 1; }

echo "$count clips of $seconds s, 640x480 at 25 fps, stereo, converted to AVI; $(wine --version)"
echo "plain ffmpeg, clip after clip:    $(( plain_ns / 1000000 )) ms"
echo "Corvane batch (Convert to done):  $batch_ms ms"
awk -v a="$batch_ms" -v b="$(( plain_ns / 1000000 ))" 'BEGIN { printf "ratio Corvane / plain ffmpeg:      %.3f\n", a / b }'
echo "probe time per added file:        $(value probe_ms_per_file) ms"
awk -v c="$cpu_ms" -v w="$batch_ms" 'BEGIN { printf "Corvane processor time waiting:   %d ms = %.2f%% of one core\n", c, 100 * c / w }'
echo "final message: $(echo "$report" | sed -n 's/^final_message //p')"
echo "(whole Corvane run including start-up: $(( whole_ns / 1000000 )) ms)"
ls "$work/corvane" | grep -c '\.avi$' | xargs echo "AVI files written by Corvane:"
