#!/usr/bin/env bash
# Redraws the connector picture, the button glyphs and the icon with ImageMagick.
# Glyphs are 16 x 16, 24-bit, on magenta (the transparent colour of the buttons), and the
# same drawings again at 20, 24 and 32 pixels for larger screens (glyphs/20, 24 and 32),
# drawn at that size rather than stretched, so that their edges stay sharp.
set -euo pipefail
cd "$(dirname "$0")"
C=/usr/bin/convert
$C -size 43x115 xc:'rgb(6,152,17)' +antialias -stroke 'rgb(255,35,17)' -strokewidth 3 \
   -draw 'line 0,0 42,114' -type truecolor BMP3:connector.bmp
glyph() {
  local name=$1; shift
  $C -size 16x16 'xc:rgb(255,0,255)' +antialias "$@" -type truecolor "BMP3:glyphs/$name.bmp"
  # Coordinates are pixel centres: pixel x of the 16-pixel grid is drawn over the pixels of
  # the larger grid that it covers.
  for side in 20 24 32; do
    local scale offset
    scale=$(awk "BEGIN { print $side / 16 }")
    offset=$(awk "BEGIN { print ($side / 16 - 1) / 2 }")
    mkdir -p "glyphs/$side"
    $C -size "${side}x${side}" 'xc:rgb(255,0,255)' +antialias -affine "$scale,0,0,$scale,$offset,$offset" "$@" \
       -type truecolor "BMP3:glyphs/$side/$name.bmp"
  done
}
glyph copy -fill white -stroke black -draw 'rectangle 1,1 9,11' -draw 'rectangle 6,4 14,14' \
     -stroke 'rgb(0,0,160)' -draw 'line 8,7 12,7' -draw 'line 8,9 12,9' -draw 'line 8,11 12,11'
glyph search -fill 'rgb(200,230,255)' -stroke black -draw 'circle 6,6 6,1' \
     -stroke 'rgb(120,70,20)' -strokewidth 3 -draw 'line 10,10 14,14'
glyph name -fill white -stroke black -draw 'rectangle 1,1 14,14' -stroke 'rgb(0,0,160)' \
     -draw 'line 3,4 12,4' -draw 'line 3,7 12,7' -draw 'line 3,10 9,10' -stroke 'rgb(200,0,0)' -draw 'line 10,10 12,12'
glyph glossary -fill 'rgb(0,90,170)' -stroke black -draw 'rectangle 2,1 13,14' -fill white -stroke none \
     -draw 'rectangle 4,3 11,5' -stroke 'rgb(255,220,0)' -draw 'line 3,1 3,14'
glyph exit -fill 'rgb(150,90,40)' -stroke black -draw 'rectangle 2,1 9,14' -fill 'rgb(255,220,0)' -stroke none \
     -draw 'rectangle 7,7 8,8' -stroke 'rgb(200,0,0)' -strokewidth 2 -draw 'line 9,8 14,8' -draw 'line 12,5 14,8' \
     -draw 'line 12,11 14,8'
glyph previous -fill 'rgb(0,140,0)' -stroke black -draw 'polygon 2,8 9,1 9,5 14,5 14,11 9,11 9,15'
glyph next -fill 'rgb(0,140,0)' -stroke black -draw 'polygon 13,8 6,1 6,5 1,5 1,11 6,11 6,15'
$C -size 32x32 xc:'rgb(255,255,0)' -fill none -stroke black -draw 'rectangle 0,0 31,31' -fill black -stroke none \
   -font DejaVu-Serif-Bold -pointsize 10 -gravity north -annotate +0+1 '1' -pointsize 16 -gravity south \
   -annotate +0+1 'H' \( +clone -resize 16x16 \) halvorn.ico
glyph ok -fill none -stroke 'rgb(0,150,0)' -strokewidth 3 -draw 'polyline 2,8 6,12 14,3'
glyph cancel -fill none -stroke 'rgb(210,0,0)' -strokewidth 2 -draw 'circle 8,8 8,2' -draw 'line 4,4 12,12'
