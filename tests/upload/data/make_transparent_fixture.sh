#!/usr/bin/env bash
# Writes transparent_fixture.gif, a 4 x 2 picture whose magenta pixels are
# the GIF's transparent colour, for the test that the mechanism upload and the
# picture array export pack it to the same bytes (ImageMagick's convert).
# Run it from this folder.
#   magenta red   red   magenta
#   green   green blue  magenta
set -euo pipefail
M="255 0 255" R="255 0 0" G="0 255 0" B="0 0 255"
printf 'P3\n4 2\n255\n%s\n%s\n' "$M $R $R $M" "$G $G $B $M" > transparent_fixture.ppm
convert transparent_fixture.ppm -transparent magenta -transparent-color magenta transparent_fixture.gif
rm transparent_fixture.ppm
