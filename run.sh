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
  echo "News Ticker template's widget, made as New Page makes it."
  echo
  pages=build/pages
  mkdir -p "$pages"
  build/app/glintra save build/app/NewsTicker_PageletServer.Glintra.pgt "$pages/NewsTicker.pgt" >/dev/null
  build/app/glintra new-page "$pages/NewsTicker.pgt" "$pages/index.htm" --player >/dev/null
  echo "Wrote $(pwd)/$pages/index.htm"
  echo "with its support files beside it: $(cd "$pages" && ls | grep -v -e '^index.htm$' -e '\.pgt$' | tr '\n' ' ')"
  echo
  echo "The page carries the banner player glntfx.js, so any current browser plays the banner:"
  echo "  open file://$(pwd)/$pages/index.htm in your browser, for example"
  echo "  chromium $(pwd)/$pages/index.htm   or   firefox $(pwd)/$pages/index.htm"
  echo "or take a picture of it without a display:"
  echo "  chromium --headless --screenshot=$(pwd)/$pages/shot.png --window-size=700,300 $(pwd)/$pages/index.htm"
  exit 0
fi
exec build/app/PallimaGlintra "$@"
