#!/usr/bin/env bash
# Makes resources/author.bmp, the photograph of the author window, from "Dune.jpg" of the Debian
# package mate-backgrounds (see resources/author-photo.md for its author and licence).
#
#   resources/tools/make_author_photo.sh [DUNE_JPG]
#
# DUNE_JPG defaults to the installed package's /usr/share/backgrounds/mate/nature/Dune.jpg; a copy
# taken out of the .deb (apt-get download mate-backgrounds; dpkg -x ...) serves as well. Missing
# Debian packages are installed as ./run.sh does. With the Debian 12 versions named in
# author-photo.md the result is the same file byte for byte.
#
# What it does: a uniform scale by 389/1050 (the photograph's full height onto 389 rows) of the
# centred source box x 30.23 .. 1649.77, y 0 .. 1050 (1619.54 x 1050, the 600:389 aspect), done
# by ImageMagick in one resampling step (no distortion: the same factor on both axes), then the
# raw pixels are written as a 24-bit bottom-up BMP by rgb_to_bmp.py with fixed header fields.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$tools/../.." && pwd)
# shellcheck source=../../scripts/ensure-packages.sh
source "$root/scripts/ensure-packages.sh"

default_source=/usr/share/backgrounds/mate/nature/Dune.jpg
source_jpg=${1:-$default_source}
source_sha256=8a67c2cb0be8c46b70c237311a4fa4d2b4ac7d39568135384787801fa5cc9a91  # mate-backgrounds 1.26.0-1
out=$root/resources/author.bmp

width=600
height=389
scale=0.37047619047619046  # 389 / 1050, the nearest double

packages=(imagemagick-6.q16 python3)
if [ "$source_jpg" = "$default_source" ]; then
    packages+=(mate-backgrounds)
fi
ensure_packages "${packages[@]}"

if [ "$(sha256sum < "$source_jpg" | cut -d' ' -f1)" != "$source_sha256" ]; then
    echo "make_author_photo.sh: $source_jpg is not the Dune.jpg of mate-backgrounds 1.26.0-1" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The centre of the 1680 x 1050 photograph (840, 525) goes to the centre of the result
# (300, 194.5), scaled by 389/1050 on both axes; the viewport keeps the 600 x 389 pixels around
# it. Robidoux is ImageMagick's default filter for -distort, named here so the step does not
# depend on that default.
# The Debian binary is named so that no other "convert" earlier in PATH takes the call.
/usr/bin/convert-im6.q16 "$source_jpg" \
    -virtual-pixel edge -filter Robidoux \
    -define distort:viewport=${width}x${height}+0+0 \
    -distort SRT "840,525 $scale 0 300,194.5" \
    +repage -depth 8 "rgb:$work/author.rgb"

python3 "$tools/rgb_to_bmp.py" "$width" "$height" "$work/author.rgb" "$out"
echo "Wrote $out ($(stat -c %s "$out") bytes, sha256 $(sha256sum < "$out" | cut -d' ' -f1))"
