#!/usr/bin/env bash
# Draws the two pictures of Quorvane next to this script, each also at twice its size for
# screens of two pixels to the point (Help@2x.png 60 x 60, Quorvane@2x.png 828 x 140):
#   Help.png      30 x 30   a white question mark in a round blue badge, transparent outside
#   Quorvane.png 414 x 70   the product banner
#   desktop/quorvane.png 128 x 128   the application's icon for desktop menus
# Needs ImageMagick (convert) and the DejaVu fonts. Run it again to remake both files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
font_dir="${DEJAVU_DIR:-/usr/share/fonts/truetype/dejavu}"
sans_bold="$font_dir/DejaVuSans-Bold.ttf"
serif_italic="$font_dir/DejaVuSerif-Italic.ttf"

die() { echo "make_pictures.sh: $*" >&2; exit 1; }

command -v convert >/dev/null 2>&1 || die "ImageMagick 'convert' was not found; install imagemagick"
for f in "$sans_bold" "$serif_italic"; do
  [[ -r "$f" ]] || die "font file $f is missing; install fonts-dejavu-core and fonts-dejavu-extra (or set DEJAVU_DIR)"
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The ending of a picture's name at K pixels to the point: none at 1, "@2x" at 2, as Qt looks
# for the drawing for a screen of twice the density.
suffix() { (($1 == 1)) || printf '@%dx' "$1"; }

# ---------------------------------------------------------------------------------------------
# Help.png: drawn 240 pixels square, then reduced, so that the circle's rim and the glyph are
# smoothly antialiased at 30 x 30, and at 60 x 60 for Help@2x.png.
# ---------------------------------------------------------------------------------------------
S=8                      # supersampling factor of the 30 x 30 picture
HS=$((30 * S))           # 240
c=$((HS / 2))            # centre
r=$((14 * S))            # radius: 14 px, leaving one pixel of air for the soft edge

# Badge: a calm blue with a faint top-to-bottom shading, and a slightly darker rim.
convert -size "${HS}x${HS}" gradient:'#3b7cc4-#2a62a6' "$tmp/shade.png"
convert -size "${HS}x${HS}" xc:none -fill white \
  -draw "circle $c,$c $c,$((c - r))" "$tmp/disc_mask.png"
convert "$tmp/shade.png" "$tmp/disc_mask.png" -alpha off -compose CopyOpacity -composite \
  -fill none -stroke '#24558f' -strokewidth $((S * 3 / 4)) \
  -draw "circle $c,$c $c,$((c - r + S * 3 / 8))" \
  "$tmp/badge.png"

# The question mark, white, centred on the badge (the glyph's ink box is centred, not its
# text line, so the mark sits in the optical middle).
convert -background none -fill white -font "$sans_bold" -pointsize $((21 * S)) \
  label:'?' -trim +repage "$tmp/qmark.png"
convert "$tmp/badge.png" "$tmp/qmark.png" -gravity center -geometry +0+0 -composite \
  "$tmp/help_large.png"
for k in 1 2; do
  convert "$tmp/help_large.png" -filter Lanczos -resize "$((30 * k))x$((30 * k))" \
    -strip -define png:exclude-chunks=date,time "PNG32:$here/Help$(suffix $k).png"
done

# ---------------------------------------------------------------------------------------------
# Quorvane.png: 414 x 70 points. In the main window its top 10 rows are cut off and a one-line
# credit label covers x 104..229, y 52..72, so the name lies within rows 12..50 and the band
# x 100..235, rows 50..70 stays plain white. Quorvane@2x.png is the same drawing at twice the
# size: every length below is in points, times K pixels to the point.
# ---------------------------------------------------------------------------------------------
W=414
H=70
B=4                      # supersampling factor of the motif, over K
navy='#1d3d6e'
blue='#2f6db5'
maroon='#8c2f39'

# Motif: two overlapping bell curves over a short axis, x 9..95, rows 13..45 (drawn at 4x).
bell_path() { # centre, sd, height, baseline, x0, x1 (all in 4x pixels) -> SVG-like path
  awk -v mu="$1" -v sd="$2" -v h="$3" -v y0="$4" -v x0="$5" -v x1="$6" 'BEGIN {
    printf "M %d,%d", x0, y0
    for (x = x0; x <= x1; x += 2) {
      z = (x - mu) / sd
      printf " L %.1f,%.1f", x, y0 - h * exp(-z * z / 2)
    }
    printf " L %d,%d Z", x1, y0
  }'
}

# The banner at K pixels to the point, into the file named.
draw_banner() {
  local K="$1" file="$2" BK=$((B * $1))
  local base=$((44 * BK)) left=$((12 * BK)) right=$((92 * BK))
  local p1 p2
  p1="$(bell_path $((42 * BK)) $((10 * BK)) $((30 * BK)) "$base" "$left" "$right")"
  p2="$(bell_path $((62 * BK)) $((10 * BK)) $((30 * BK)) "$base" "$left" "$right")"
  convert -size "$((W * BK))x$((H * BK))" xc:none \
    -fill 'rgba(47,109,181,0.22)' -stroke "$blue" -strokewidth $((BK * 3 / 2)) \
    -draw "path '$p1'" \
    -fill 'rgba(140,47,57,0.16)' -stroke "$maroon" -strokewidth $((BK * 3 / 2)) \
    -draw "path '$p2'" \
    -stroke "$navy" -strokewidth $((BK * 3 / 2)) \
    -draw "line $((10 * BK)),$base $((94 * BK)),$base" \
    -filter Lanczos -resize "$((W * K))x$((H * K))" "$tmp/motif.png"

  # Name: large and bold, its ink within rows 16..49 (the tail of the Q the lowest), left edge at
  # x 101 to line up with the credit label beneath it. A thin divider and an italic "t z F" mark
  # balance the right-hand end.
  convert -size "$((W * K))x$((H * K))" xc:white \
    "$tmp/motif.png" -composite \
    -font "$sans_bold" -pointsize $((38 * K)) -fill "$navy" -kerning "$(awk -v k="$K" 'BEGIN { print 0.5 * k }')" \
    -annotate +$((100 * K))+$((44 * K)) 'Quorvane' \
    -fill '#b9c9de' -draw "rectangle $((325 * K)),$((17 * K)) $((326 * K - 1)),$((46 * K - 1))" \
    -font "$serif_italic" -pointsize $((24 * K)) -fill "$maroon" -kerning $((4 * K)) \
    -annotate +$((338 * K))+$((39 * K)) 't z F' \
    -strip -define png:exclude-chunks=date,time "PNG24:$file"
}
for k in 1 2; do draw_banner "$k" "$here/Quorvane$(suffix $k).png"; done

# ---------------------------------------------------------------------------------------------
# desktop/quorvane.png: 128 x 128, the two bell curves of the banner on a rounded white tile.
# ---------------------------------------------------------------------------------------------
I=128
mkdir -p "$here/desktop"
q1="$(bell_path $((46 * B)) $((13 * B)) $((62 * B)) $((96 * B)) $((14 * B)) $((114 * B)))"
q2="$(bell_path $((82 * B)) $((13 * B)) $((62 * B)) $((96 * B)) $((14 * B)) $((114 * B)))"
convert -size "$((I * B))x$((I * B))" xc:none \
  -fill white -stroke '#b9c9de' -strokewidth $((B * 3)) \
  -draw "roundrectangle $((4 * B)),$((4 * B)) $((124 * B)),$((124 * B)) $((22 * B)),$((22 * B))" \
  -fill 'rgba(47,109,181,0.25)' -stroke "$blue" -strokewidth $((B * 4)) -draw "path '$q1'" \
  -fill 'rgba(140,47,57,0.20)' -stroke "$maroon" -strokewidth $((B * 4)) -draw "path '$q2'" \
  -stroke "$navy" -strokewidth $((B * 4)) -draw "line $((12 * B)),$((96 * B)) $((116 * B)),$((96 * B))" \
  -filter Lanczos -resize "${I}x${I}" \
  -strip -define png:exclude-chunks=date,time "PNG32:$here/desktop/quorvane.png"

echo "wrote $here/Help.png, $here/Quorvane.png, their @2x drawings and $here/desktop/quorvane.png"
