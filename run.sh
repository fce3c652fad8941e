#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine and starts Pallima Glintra on
# the default widget: installs what the build needs, builds, registers the
# pagelet server in your registry and opens the main window. Without a
# display it writes a web page with the default widget instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build
scripts/build.sh
build/app/glintra register
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo
  echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the"
  echo "Pallima Glintra window cannot be shown. Run ./run.sh from a desktop session, or"
  echo "under a virtual display: xvfb-run -a ./run.sh"
  echo "What works without a display is the command line: here is a web page with the"
  echo "default widget, made as New Page makes it."
  echo
  pages=build/pages
  mkdir -p "$pages"
  build/app/glintra new "$pages/Normal.pgt" >/dev/null
  build/app/glintra new-page "$pages/Normal.pgt" "$pages/index.htm" >/dev/null
  echo "Wrote $(pwd)/$pages/index.htm"
  echo "with its support files beside it: $(cd "$pages" && ls | grep -v -e '^index.htm$' -e '\.pgt$' | tr '\n' ' ')"
  exit 0
fi
exec build/app/PallimaGlintra "$@"
