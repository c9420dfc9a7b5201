#!/usr/bin/env bash
# Renders the program's picture, data/icons/ppexport.svg, into the files the programs and the
# packages take from data/icons/ (all committed; run this again after changing the drawing):
#   ppexport-48.png, ppexport-128.png, ppexport-256.png   the program icon, square
#   ppexport.ico                                          the program icon, 16 to 256 pixels
#   picture-140x55.bmp, picture-210x83.bmp, picture-280x110.bmp
#       the main window's picture at 100, 150 and 200 percent, 32 bits with alpha
# Needs Debian's librsvg2-bin (rsvg-convert) and imagemagick (convert).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

icon() {  # size, output
  rsvg-convert --export-id program-icon --width "$1" --height "$1" ppexport.svg -o "$2"
}

for size in 48 128 256; do
  icon "$size" "ppexport-$size.png"
done

sizes=(16 20 24 32 40 48 64 128 256)
frames=()
for size in "${sizes[@]}"; do
  icon "$size" "$work/icon-$size.png"
  frames+=("$work/icon-$size.png")
done
# ImageMagick keeps the frames' own sizes and stores the 256-pixel one compressed as PNG.
convert "${frames[@]}" ppexport.ico

for size in 140x55 210x83 280x110; do
  rsvg-convert --export-id window-picture --width "${size%x*}" --height "${size#*x}" \
    ppexport.svg -o "$work/picture-$size.png"
  # 32 bits per pixel with the alpha kept, a bitmap that LoadImage reads as it stands.
  convert "$work/picture-$size.png" -define bmp:format=bmp4 \
    "BMP:picture-$size.bmp"
done
ls -l ppexport* picture-*
