#!/usr/bin/env bash
# Builds and starts the sample application. Without a display it runs under
# Xvfb, presses the main window's button and saves a screenshot of Form2.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DKEST_BUILD_TESTS=OFF
app="$root/build/pathbar_sample"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$app"
fi

shot="${KEST_SCREENSHOT:-$root/screenshots/form2.png}"
mkdir -p "$(dirname "$shot")"
xvfb-run -a -s "-screen 0 1024x768x24" "$app" --screenshot "$shot"
echo "Screenshot of Form2: $shot"
