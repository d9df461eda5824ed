#!/usr/bin/env bash
# Writes phase0.gif .. phase2.gif, the three phases of the user mechanism in
# the phase editor's tests: a 32 x 24 picture of a bar turning about a hub, on
# black, in colours that RGB565 keeps exactly (red and blue multiples of 8,
# green multiples of 4), so the controller's picture compares pixel for pixel.
# Needs python3 and ImageMagick's convert. Run it from this folder.
set -euo pipefail
for phase in 0 1 2; do
  python3 - "$phase" > "phase$phase.ppm" <<'PY'
import math, sys
phase = int(sys.argv[1])
w, h = 32, 24
angle = phase * math.pi / 3
bar = (248, 124, 0)
hub = (0, 0, 248)
rim = (0, 252, 0)
print("P3\n%d %d\n255" % (w, h))
for y in range(h):
    row = []
    for x in range(w):
        dx, dy = x - 15.5, y - 11.5
        along = dx * math.cos(angle) + dy * math.sin(angle)
        across = -dx * math.sin(angle) + dy * math.cos(angle)
        if dx * dx + dy * dy <= 9:
            c = hub
        elif abs(across) <= 1.5 and abs(along) <= 10:
            c = bar
        elif y == h - 1:
            c = rim
        else:
            c = (0, 0, 0)
        row.append("%d %d %d" % c)
    print(" ".join(row))
PY
  convert "phase$phase.ppm" "phase$phase.gif"
  rm "phase$phase.ppm"
done
