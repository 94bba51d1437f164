#!/bin/bash
# Makes the small pictures that tooltip-sample.txt shows (ImageMagick).
set -euo pipefail
cd "$(dirname "$0")"
# A face on magenta, the colour the sample draws transparent.
convert -size 24x24 xc:magenta -fill gold -draw "circle 12,12 12,2" -fill black \
  -draw "circle 8,9 8,11" -draw "circle 16,9 16,11" -draw "line 7,16 17,16" BMP3:sample-face.bmp
# A strip of three 16x16 cells: red, green, blue squares.
convert -size 16x16 xc:red -size 16x16 xc:green -size 16x16 xc:blue +append BMP3:sample-strip.bmp
convert -size 16x16 xc:none -fill navy -draw "polygon 8,1 15,15 1,15" sample-icon.ico
