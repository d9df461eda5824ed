#!/usr/bin/env bash
# Writes array_fixture.gif, the 6 x 3 picture of the picture array export
# test, from its pixels spelled out below (ImageMagick's convert).
# Run it from this folder.
#   red   green green green blue  blue
#   blue  blue  black white black white
#   white white white white white green
set -euo pipefail
R="255 0 0" G="0 255 0" B="0 0 255" K="0 0 0" W="255 255 255"
printf 'P3\n6 3\n255\n%s\n%s\n%s\n' \
  "$R $G $G $G $B $B" \
  "$B $B $K $W $K $W" \
  "$W $W $W $W $W $G" > array_fixture.ppm
convert array_fixture.ppm array_fixture.gif
rm array_fixture.ppm
