#!/usr/bin/env bash
# Install copy throughput against CopyFileA in one Wine prefix, for 1, 64 and 512 MiB (or the sizes
# given), with picture repaints per install and the peak working set. Each size runs in its own
# process so its peak is its own. Needs scripts/build to have run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib/windows_builds.sh"
arch=$("$root/tools/winerig/builds")
arch=${arch%%$'\n'*}
win=$(windows_build_dir "$arch")
dist=$(windows_dist_dir "$arch")
exe="$win/install_copy_bench.exe"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 64 512)

cmake --build "$win" --target install_copy_bench >/dev/null

rig=$(mktemp -d /tmp/install-copy-bench.XXXXXX)
trap '"$root/tools/winerig/rig" down "$rig" >/dev/null 2>&1 || true; rm -rf "$rig"' EXIT
RIG_ARCH=$arch "$root/tools/winerig/rig" up "$rig" "$dist/disc" >/dev/null
launcher="Z:${dist//\//\\}\\RBRINDMOR.EXE"

echo "install copy (32,767-byte chunks, progress to the picture) vs CopyFileA, best of three each"
for size in "${sizes[@]}"; do
  "$root/tools/winerig/rig" run "$rig" "$exe" "$launcher" 'C:\bench' "$size"
done
