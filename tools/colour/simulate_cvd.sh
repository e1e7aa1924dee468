#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows a screenshot as it looks with each of the three common colour-vision deficiencies, full
# strength, by the matrices of Machado, Oliveira and Fernandes (2009), applied in linear RGB:
#   tools/colour/simulate_cvd.sh IN.png OUT_PREFIX
# writes OUT_PREFIX-deuteranopia.png, -protanopia.png and -tritanopia.png, and OUT_PREFIX-all.png
# with the picture as it is and the three side by side, labelled. Needs ImageMagick (convert).
set -euo pipefail
[ $# -eq 2 ] || { sed -n '3,8p' "$0"; exit 2; }
in=$1 out=$2
declare -A matrix=(
    [deuteranopia]="0.367322 0.860646 -0.227968  0.280085 0.672501 0.047413  -0.011820 0.042940 0.968881"
    [protanopia]="0.152286 1.052583 -0.204868  0.114503 0.786281 0.099216  -0.003882 -0.048116 1.051998"
    [tritanopia]="1.255528 -0.076749 -0.178779  -0.078411 0.930809 0.147602  0.004733 0.691367 0.303900"
)
labelled=()
label() { convert "$1" -gravity North -background white -splice 0x18 -pointsize 14 -annotate +0+1 "$2" "$3"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
label "$in" "as it is" "$work/0.png"
labelled+=("$work/0.png")
for kind in deuteranopia protanopia tritanopia; do
    # "RGB" is ImageMagick's linear RGB; the matrices hold for linear light, not for sRGB's codes.
    convert "$in" -colorspace RGB -color-matrix "${matrix[$kind]}" -colorspace sRGB "$out-$kind.png"
    label "$out-$kind.png" "$kind" "$work/$kind.png"
    labelled+=("$work/$kind.png")
done
convert "${labelled[@]}" +append "$out-all.png"
echo "$out-all.png"
