#!/usr/bin/env bash
# Takes the README's pictures of the game window on a virtual X display:
#   docs/trellic.png     at scale 1
#   docs/trellic@2x.png  at scale 2
#   docs/trellic-de.png  at scale 1, on a German desktop
#   docs/trellic-ar.png  at scale 1, on an Arabic desktop
# and, to look over before committing, the game window at scale 1.5 and the About and
# splash windows at 1.5 and 2 in build-screenshots/ (fractional scaling is where text
# and pictures clip or blur first).
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-screenshots"
cmake -S tools/screenshot -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target trellic-screenshot
mkdir -p docs

shoot() {
    local scale=$1
    shift
    # A fixed 96 dpi screen and no scaling but the one asked for, whatever this
    # machine's settings are.
    # English unless LOCALE names another language.
    env -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
        LANG="${LOCALE:-C.UTF-8}" QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR="$scale" \
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
        "$build/trellic-screenshot" "$@"
}

shoot 1 docs/trellic.png
LOCALE=de_DE.UTF-8 shoot 1 docs/trellic-de.png
LOCALE=ar_EG.UTF-8 shoot 1 docs/trellic-ar.png
shoot 2 docs/trellic@2x.png "$build/about@2x.png" "$build/splash@2x.png"
shoot 1.5 "$build/trellic@1.5x.png" "$build/about@1.5x.png" "$build/splash@1.5x.png"
