#!/usr/bin/env bash
# Draws the About window's animated logo (logo.gif, 173 x 165) and its banner
# (banner.png, 600 x 70) with ImageMagick.
#
# The logo is an atom: three electrons circle the nucleus once on their tilted orbits,
# and in the last frames the name fades in beneath. It is meant to be played once, so
# the last frame is the picture that stays. Frames 0 to 28 last 5/100 s each, the last
# 200/100 s. Every frame is drawn whole on one shared palette; the GIF then keeps only
# what changed between frames, with each frame's disposal set to suit (mostly "none":
# left in place for the next frame to draw over; "previous" where that is smaller).
set -euo pipefail
cd "$(dirname "$0")"
C=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

frames=30
background='rgb(244,247,252)'
cx=86 cy=70 rx=70 ry=21

# Point of an ellipse of radii rx, ry tilted by tilt degrees, at angle a degrees.
orbit_point() {
  awk -v a="$1" -v t="$2" -v cx=$cx -v cy=$cy -v rx=$rx -v ry=$ry 'BEGIN {
    p = 3.14159265358979 / 180; x = rx * cos(a * p); y = ry * sin(a * p)
    printf "%.2f %.2f %d\n", cx + x * cos(t * p) - y * sin(t * p), cy + x * sin(t * p) + y * cos(t * p),
           sin(a * p) < 0 }'
}

orbits=()
for tilt in 0 60 120; do
  orbits+=(-draw "translate $cx,$cy rotate $tilt ellipse 0,0 $rx,$ry 0,360")
done
nucleus=(-stroke 'rgb(90,20,20)' -strokewidth 1
         -fill 'rgb(200,40,40)' -draw "circle $((cx - 5)),$((cy - 4)) $((cx + 1)),$((cy - 4))"
         -fill 'rgb(110,130,170)' -draw "circle $((cx + 5)),$((cy - 3)) $((cx + 11)),$((cy - 3))"
         -fill 'rgb(110,130,170)' -draw "circle $((cx - 4)),$((cy + 5)) $((cx + 2)),$((cy + 5))"
         -fill 'rgb(200,40,40)' -draw "circle $((cx + 4)),$((cy + 5)) $((cx + 10)),$((cy + 5))"
         -fill 'rgb(230,90,80)' -draw "circle $cx,$cy $((cx + 6)),$cy")

for ((k = 0; k < frames; k++)); do
  behind=() front=()
  i=0
  for tilt in 0 60 120; do
    read -r x y back < <(orbit_point $((k * 360 / (frames - 1) + i * 120 + 90)) $tilt)
    electron=(-fill 'rgb(255,200,40)' -stroke 'rgb(150,100,0)' -draw "circle $x,$y $(awk -v x="$x" 'BEGIN{print x+4.5}'),$y")
    if [ "$back" = 1 ]; then behind+=("${electron[@]}"); else front+=("${electron[@]}"); fi
    i=$((i + 1))
  done
  # The name fades in over the last eight frames.
  shade=$(awk -v k=$k -v n=$frames 'BEGIN { f = (k - (n - 9)) / 8; if (f < 0) f = 0; if (f > 1) f = 1;
          printf "rgb(%d,%d,%d)", 244 + (20 - 244) * f, 247 + (50 - 247) * f, 252 + (120 - 252) * f }')
  $C -size 173x165 "xc:$background" \
     -fill none -stroke 'rgb(120,150,205)' -strokewidth 1.5 "${orbits[@]}" \
     -strokewidth 1 "${behind[@]}" "${nucleus[@]}" "${front[@]}" \
     -stroke none -fill "$shade" -font DejaVu-Serif-Bold -pointsize 20 -gravity south -annotate +0+6 'Halvorn' \
     "$work/frame-$(printf %02d $k).png"
done

# One palette for all frames keeps the frames' differences small.
$C "$work"/frame-*.png +append +dither -colors 64 -unique-colors "$work/palette.png"
$C "$work"/frame-*.png +dither -remap "$work/palette.png" -set delay 5 -dispose None \
   \( -clone -1 -set delay 200 \) -delete -2 -loop 1 -layers Optimize "$work/logo.gif"
cp "$work/logo.gif" logo.gif

# The banner: the name, and a row of element boxes in their group colours.
box() {  # left number symbol fill
  local left=$1 number=$2 symbol=$3 fill=$4
  banner+=(-stroke 'rgb(20,30,60)' -fill "$fill" -draw "rectangle $left,13 $((left + 40)),55"
           -stroke none -fill 'rgb(20,20,20)' -font DejaVu-Sans -pointsize 10
           -annotate "+$((left + 4))+25" "$number" -font DejaVu-Sans-Bold -pointsize 17
           -annotate "+$((left + 8))+49" "$symbol")
}
banner=()
left=318
for entry in "1 H rgb(255,255,160)" "2 He rgb(190,220,255)" "6 C rgb(160,230,160)" "8 O rgb(160,230,160)" \
             "11 Na rgb(255,170,120)" "26 Fe rgb(255,205,210)" "79 Au rgb(255,205,210)"; do
  read -r number symbol fill <<<"$entry"
  box $left "$number" "$symbol" "$fill"
  left=$((left + 37))
done
$C -size 600x70 'xc:rgb(28,52,110)' \
   -fill 'rgb(40,72,140)' -draw 'rectangle 0,8 600,60' \
   -fill 'rgb(230,190,60)' -draw 'rectangle 0,60 600,61' -draw 'rectangle 0,7 600,7' \
   -fill white -font DejaVu-Serif-Bold -pointsize 30 -annotate +14+44 'Halvorn' \
   -fill 'rgb(200,215,240)' -font DejaVu-Sans -pointsize 11 -annotate +160+42 'the chemical elements' \
   "${banner[@]}" +dither -colors 48 -strip PNG8:banner.png
