#!/bin/sh
# Draws the client's built-in pictures with ImageMagick. The PNG files are
# committed; run this only to change a picture, then commit the result.
# -strip leaves no time stamps, so the same commands give the same files.
set -e
cd "$(dirname "$0")"
C=/usr/bin/convert

# The banner: the game's name over hills and a tarn, 192 x 43.
$C -size 192x43 xc:black \
  -fill '#1c3a1c' -draw "polygon 2,40 2,30 24,22 46,32 70,24 96,34 122,23 150,31 172,21 189,28 189,40" \
  -fill '#183060' -draw "ellipse 96,38 60,4 0,360" \
  -fill none -stroke '#806020' -strokewidth 1 -draw "rectangle 1,1 190,41" \
  -stroke none -font DejaVu-Serif-Bold -pointsize 21 -fill '#f0c040' -stroke '#402000' \
  -strokewidth 0.5 -gravity north -annotate +0+3 'Tarn Hollow' \
  -strip PNG32:banner.png

# Status icons, 17 x 17 on a transparent background, in the status bar's order.
$C -size 17x17 xc:none -stroke '#d0d0d0' -strokewidth 2 -draw "line 4,12 13,3" \
  -stroke '#a07030' -draw "line 3,10 6,13" -draw "line 2,14 4,12" \
  -fill none -stroke '#ff2020' -strokewidth 2 -draw "circle 8,8 8,1" -draw "line 3,3 13,13" \
  -strip PNG32:icon_unarmed.png
$C -size 17x17 xc:none -fill '#80ffff' -stroke none -font DejaVu-Sans-Bold \
  -pointsize 9 -annotate +1+16 'Z' -pointsize 7 -annotate +7+10 'Z' -pointsize 6 -annotate +12+6 'z' \
  -strip PNG32:icon_asleep.png
hand() {
  $C -size 17x17 xc:none -fill "$1" -stroke none \
    -draw "roundrectangle 2,8 12,15 2,2" \
    -draw "rectangle 2,4 3,9" -draw "rectangle 5,2 6,9" -draw "rectangle 8,1 9,9" -draw "rectangle 11,3 12,9" \
    -draw "polygon 12,13 12,10 15,6 16,7" \
    -strip PNG32:"$2"
}
hand '#ff3030' icon_burning_hands.png
hand '#a0c8ff' icon_shocking_grasp.png
hand '#30e030' icon_sickening_touch.png

# The scroll-lock padlock, 21 x 21.
$C -size 21x21 xc:none -fill none -stroke '#a0a0a0' -strokewidth 2 \
  -draw "arc 6,2 14,14 180,360" -draw "line 6,8 6,10" -draw "line 14,8 14,10" \
  -stroke none -fill '#909090' -draw "roundrectangle 3,9 17,19 2,2" \
  -fill '#404040' -draw "rectangle 9,12 11,16" \
  -strip PNG32:padlock.png
