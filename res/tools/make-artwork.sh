#!/usr/bin/env bash
# Draws TAVO's tab icons, button pictures and application icon with ImageMagick, each also at
# twice the size ("@2x") for high-density screens.
# The results are committed; run this again only to change the artwork:
#   res/tools/make-artwork.sh        (from the repository's top folder)
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "needs ImageMagick (apt-get install imagemagick)" >&2; exit 1; }

bold=DejaVu-Sans-Bold
plain=DejaVu-Sans

# One 15 x 15 tab icon: a rounded tile in the colour of its group with a white sign, drawn at
# four times the size and scaled down so the edges stay smooth.
tile() { # file colour font pointsize text [extra draw commands]
  local file=$1 colour=$2 font=$3 size=$4 text=$5 extra=${6:-}
  convert -size 60x60 xc:none -fill "$colour" -draw "roundrectangle 1,1 58,58 12,12" \
    -fill white -stroke none ${extra:+-draw "$extra"} \
    -font "$font" -pointsize "$size" -gravity center -annotate +0+1 "$text" \
    \( +clone -resize 30x30 -strip -write "icons/$file@2x.png" +delete \) \
    -resize 15x15 -strip "icons/$file.png"
}

ohms='#c0392b'    # Ohm's law
power='#1f5fa8'   # motors and transformers
wiring='#2e7d32'  # conductors and raceways
other='#5d4a8a'   # histories and conversions

tile tab00-motor      "$power"  "$bold"  40 "M"
tile tab01-watts      "$ohms"   "$bold"  40 "W"
tile tab02-amps       "$ohms"   "$bold"  42 "A"
tile tab03-volts      "$ohms"   "$bold"  42 "V"
tile tab04-resistance "$ohms"   "$bold"  42 "Ω"
tile tab05-xformer    "$power"  "$bold"  42 "X"
tile tab06-ground     "$wiring" "$bold"  1 " " \
  "stroke white stroke-width 5 line 30,8 30,26 line 12,28 48,28 line 19,38 41,38 line 25,48 35,48"
tile tab07-boxes      "$wiring" "$bold"  1 " " \
  "stroke white stroke-width 5 fill none rectangle 13,13 47,47 circle 30,30 30,38"
tile tab08-conduit    "$wiring" "$bold"  1 " " \
  "stroke white stroke-width 5 fill none circle 30,30 30,10 stroke none fill white circle 24,26 24,31 circle 36,26 36,31 circle 30,37 30,42"
tile tab09-motordata  "$power"  "$bold"  1 " " \
  "stroke white stroke-width 4 line 12,16 48,16 line 12,26 48,26 line 12,36 48,36 line 12,46 48,46 line 26,12 26,50"
tile tab10-ampacity   "$wiring" "$plain" 44 "⚡"
tile tab11-voltdrop   "$wiring" "$bold"  44 "↓"
tile tab12-histories  "$other"  "$bold"  1 " " \
  "stroke white stroke-width 4 line 14,16 46,16 line 14,26 46,26 line 14,36 38,36 line 14,46 32,46"
tile tab13-conversions "$other" "$bold"  42 "⇄"

# Button pictures, 144 x 49, stretched over the button face: a soft face with the button's
# sign at the left; the button writes its caption beside the sign.
face() { # file accent draw-commands [glyph]
  local file=$1 accent=$2 sign=$3 glyph=${4:-}
  local a="affine 4,0,0,4,0,0 "  # drawn four times larger, then scaled to both sizes
  convert -size 576x196 gradient:'#fdfdfd-#d9dde3' \
    -fill none -stroke '#8a93a0' -strokewidth 2 -draw "${a}roundrectangle 1,1 142,47 6,6" \
    -stroke none -fill "$accent" -draw "${a}roundrectangle 5,8 33,40 5,5" \
    -stroke white -strokewidth 3 -fill none ${sign:+-draw "${a}$sign"} \
    -stroke none -fill white -font "$bold" -pointsize 104 -gravity northwest \
    -annotate +40+32 "$glyph" \
    \( +clone -resize 288x98! -strip -write "buttons/$file@2x.png" +delete \) \
    -resize 144x49! -strip "buttons/$file.png"
}

face quit    '#b03a2e' "line 12,17 26,31 line 26,17 12,31"
face reports '#1f5fa8' "rectangle 12,14 26,35 line 15,20 23,20 line 15,25 23,25 line 15,30 21,30"
face help    '#2e7d32' "" "?"
face reset   '#a86b1f' "" "↻"
face print   '#5d4a8a' "rectangle 10,20 28,31 rectangle 14,14 24,20 rectangle 14,29 24,35"

# Application icon.
convert -size 256x256 xc:none -fill "$power" -draw "roundrectangle 8,8 247,247 40,40" \
  -fill '#f1c40f' -stroke none -draw "polygon 140,28 70,142 122,142 104,228 186,104 132,104 160,28" \
  \( +clone -resize 128x128 -strip -write tavo@2x.png +delete \) \
  \( +clone -resize 48x48 -strip -write desktop/tavo-48.png +delete \) -resize 64x64 -strip tavo.png
# The same tile and bolt as a scalable icon is desktop/tavo.svg.
echo "artwork written under $(pwd)"
