#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
# Regenerates the pictures in resources/ from the drawing commands below:
#   odnosl.pbm    single-layer coil, longitudinal section (188 x 131, black on white)
#   mnogosl.pbm   multi-layer coil, longitudinal section  (192 x 172, black on white)
#   coilcalc.xpm  program icon, a diagonal DIP chip        (32 x 32, transparent background)
#   coilcalc.svg  the same icon as scalable vector art, built from the same polygons
#   checkmark.xpm compute buttons' glyph, a green check    (18 x 18, transparent background)
# Needs ImageMagick 6 (convert), awk and the DejaVu fonts (fonts-dejavu-core).
# All drawing is aliased (+antialias), so every pixel is exactly one of the listed colours.
# ImageMagick's pixel centres are at integer coordinates.
set -euo pipefail

out=${1:-"$(cd "$(dirname "$0")/.." && pwd)/resources"}
font=DejaVu-Serif-Italic      # dimension letters: italic serif, so "l" is not mistaken for "1" or "I"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Writes a plain (P1) PBM with one image row per text line, so that a diff shows the drawing.
# Qt's reader needs white space between the digits, so the digits are separated by spaces.
write_pbm() { # <image> <comment> <output>
    convert "$1" -monochrome -compress none pbm:- |
    awk -v comment="$2" '
        /^#/ { next }
        { for (i = 1; i <= NF; i++) tok[n++] = $i }
        END {
            w = tok[1]; h = tok[2]; k = 3
            printf "P1\n# %s\n%d %d\n", comment, w, h
            for (y = 0; y < h; y++) {
                line = tok[k++]
                for (x = 1; x < w; x++) line = line " " tok[k++]
                print line
            }
        }' > "$3"
}

# Writes an XPM from an image with binary transparency. Each colour gets the character given in
# <palette> ("RRGGBB=c ..."; transparent pixels are written as "."); a colour missing from the
# palette stops the script, so a stray colour never slips into the file.
write_xpm() { # <image> <variable name> <palette> <output>
    convert "$1" -alpha on -depth 8 txt:- |
    awk -v name="$2" -v palette="$3" '
        BEGIN {
            n = split(palette, p, " ")
            for (i = 1; i <= n; i++) { split(p[i], kv, "="); chr[toupper(kv[1])] = kv[2]; order[i] = toupper(kv[1]) }
        }
        /^#/ { s = $0; sub(/.*enumeration: */, "", s); split(s, wh, ","); w = wh[1] + 0; h = wh[2] + 0; next }
        {
            split($1, xy, /[,:]/)
            hex = ""
            for (i = 2; i <= NF; i++) if ($i ~ /^#[0-9A-Fa-f]+$/) { hex = toupper(substr($i, 2)); break }
            alpha = length(hex) == 8 ? substr(hex, 7, 2) : "FF"
            rgb = substr(hex, 1, 6)
            if (alpha == "00") c = "."
            else if (alpha != "FF") { print "semi-transparent pixel at " $1 > "/dev/stderr"; exit 2 }
            else if (rgb in chr) { c = chr[rgb]; used[rgb] = 1 }
            else { print "colour #" rgb " is not in the palette" > "/dev/stderr"; exit 2 }
            px[xy[2] + 0, xy[1] + 0] = c
            if (c == ".") transparent = 1
        }
        END {
            colours = transparent
            for (i = 1; i <= n; i++) if (order[i] in used) colours++
            printf "/* XPM */\nstatic const char *%s[] = {\n", name
            printf "\"%d %d %d 1\",\n", w, h, colours
            if (transparent) printf "\". c None\",\n"
            for (i = 1; i <= n; i++) if (order[i] in used) printf "\"%s c #%s\",\n", chr[order[i]], order[i]
            for (y = 0; y < h; y++) {
                line = ""
                for (x = 0; x < w; x++) line = line px[y, x]
                printf "\"%s\"%s\n", line, (y < h - 1 ? "," : "")
            }
            print "};"
        }' > "$4"
}

arrow_up()    { echo "polygon $1,$2 $(($1-2)),$(($2+6)) $(($1+2)),$(($2+6))"; }  # tip at x,y
arrow_down()  { echo "polygon $1,$2 $(($1-2)),$(($2-6)) $(($1+2)),$(($2-6))"; }
arrow_left()  { echo "polygon $1,$2 $(($1+6)),$(($2-2)) $(($1+6)),$(($2+2))"; }
arrow_right() { echo "polygon $1,$2 $(($1-6)),$(($2-2)) $(($1-6)),$(($2+2))"; }

# ---------------------------------------------------------------------------------------------
# Single-layer coil: a row of twelve turns (wire diameter 9 px) on each side of a hatched tube
# former, axis at y = 56. r runs from the axis to the centres of the upper turns, l spans the
# winding from the outer edge of the first turn to that of the last.
draw_single() {
    local turns="" hatch="" x
    for x in $(seq 40 10 150); do
        turns+="circle $x,18 $((x+4)),18 circle $x,94 $((x+4)),94 "
    done
    for x in $(seq 28 4 158); do
        hatch+="line $x,27 $((x+4)),23 line $x,89 $((x+4)),85 "
    done
    convert -size 188x131 xc:white +antialias -fill none -stroke black -strokewidth 1 \
        -draw "$turns" \
        -draw "rectangle 28,23 162,27 rectangle 28,85 162,89 $hatch" \
        -draw "stroke-dasharray 12 3 2 3 line 4,56 182,56" \
        -draw "line 157,18 177,18 line 172,19 172,55" \
        -draw "fill black $(arrow_up 172 19) $(arrow_down 172 55)" \
        -draw "line 36,101 36,123 line 154,101 154,123 line 37,119 153,119" \
        -draw "fill black $(arrow_left 37 119) $(arrow_right 153 119)" \
        -stroke none -fill black -font "$font" -pointsize 14 \
        -draw "text 176,42 'r'" -draw "text 93,116 'l'" \
        "$tmp/odnosl.png"
    write_pbm "$tmp/odnosl.png" "coilcalc: single-layer coil, longitudinal section" "$out/odnosl.pbm"
}

# ---------------------------------------------------------------------------------------------
# Multi-layer coil: two winding blocks of 12 x 4 turns (wire diameter 7 px, pitch 8 px) around
# the bore, axis at y = 76. Dвн spans the bore, r runs from the axis to the middle of the upper
# block, Dr spans the lower block, l the winding length.
draw_multi() {
    local turns="" x y
    for x in $(seq 40 8 128); do
        for y in 16 24 32 40; do
            turns+="circle $x,$y $((x+3)),$y circle $x,$((y+96)) $((x+3)),$((y+96)) "
        done
    done
    convert -size 192x172 xc:white +antialias -fill none -stroke black -strokewidth 1 \
        -draw "$turns" \
        -draw "rectangle 36,12 132,44 rectangle 36,108 132,140" \
        -draw "stroke-dasharray 10 3 line 20,76 186,76" \
        -draw "stroke-dasharray 3 2 line 134,28 163,28 line 134,108 163,108 line 134,140 163,140
               line 36,142 36,168 line 132,142 132,168" \
        -draw "line 60,45 60,107 line 158,29 158,75 line 158,109 158,139 line 37,164 131,164" \
        -draw "fill black $(arrow_up 60 45) $(arrow_down 60 107) $(arrow_up 158 29) $(arrow_down 158 75)
               $(arrow_up 158 109) $(arrow_down 158 139) $(arrow_left 37 164) $(arrow_right 131 164)" \
        -stroke none -fill black -font "$font" -pointsize 14 \
        -draw "text 64,71 'Dвн'" -draw "text 162,57 'r'" -draw "text 162,129 'Dr'" \
        -draw "text 82,161 'l'" \
        "$tmp/mnogosl.png"
    write_pbm "$tmp/mnogosl.png" "coilcalc: multi-layer coil, longitudinal section" "$out/mnogosl.pbm"
}

# ---------------------------------------------------------------------------------------------
# Icon: an 8-pin DIP chip lying along the diagonal from lower left to upper right. The shapes are
# given in chip coordinates u = x - y (along the body) and v = x + y - 31 (across it), with edges
# on half units so that every pixel centre falls clearly inside or outside; 45-degree edges then
# come out as clean staircases. The same polygons make the SVG, shifted by half a pixel because
# SVG pixel centres lie at x + 0.5.
icon_shapes() { # lines of: colour u,v u,v ...
    local c
    for c in -12 -4 4 12; do
        awk -v c="$c" 'BEGIN { a = c - 1.5; b = c + 1.5; printf "#FFFF00 %g,-15.5 %g,-15.5 %g,15.5 %g,15.5\n", a, b, b, a }'
    done
    echo "#000000 -17.5,-9.5 17.5,-9.5 17.5,9.5 -17.5,9.5 -17.5,2.5 -15.5,1.5 -15.5,-1.5 -17.5,-2.5"
    echo "#C0C0C0 -14.5,-7.5 -12.5,-7.5 -12.5,-5.5 -14.5,-5.5"
}
icon_xy() { # chip coordinates to pixel coordinates
    awk '{ printf "%s", $1
           for (i = 2; i <= NF; i++) { split($i, p, ","); v = p[2] + 31; printf " %g,%g", (p[1] + v) / 2, (v - p[1]) / 2 }
           print "" }'
}
draw_icon() {
    local mvg
    mvg=$(icon_shapes | icon_xy | awk '{ printf "fill %s polygon", $1; for (i = 2; i <= NF; i++) printf " %s", $i; printf " " }')
    convert -size 32x32 xc:none +antialias -stroke none -draw "$mvg" "$tmp/icon.png"
    write_xpm "$tmp/icon.png" coilcalc_xpm "000000=# FFFF00=y C0C0C0=o" "$out/coilcalc.xpm"
    # The desktop's icon theme takes the same picture as PNG.
    convert "$out/coilcalc.xpm" -strip "PNG32:$out/coilcalc-32.png"
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<!-- coilcalc icon: an 8-pin DIP chip drawn diagonally (generated by tools/draw-pictures.sh) -->'
        echo '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
        echo '  <g transform="translate(0.5 0.5)">'
        icon_shapes | icon_xy | awk '{ printf "    <polygon fill=\"%s\" points=\"", $1
                                      for (i = 2; i <= NF; i++) printf "%s%s", $i, (i < NF ? " " : "")
                                      print "\"/>" }'
        echo '  </g>'
        echo '</svg>'
    } > "$out/coilcalc.svg"
}

# ---------------------------------------------------------------------------------------------
# Check mark for the compute buttons: one green polygon.
draw_checkmark() {
    convert -size 18x18 xc:none +antialias -stroke none -fill '#008000' \
        -draw "polygon 2,9 4,7 7,10 14,3 16,5 7,14" "$tmp/checkmark.png"
    write_xpm "$tmp/checkmark.png" checkmark_xpm "008000=g" "$out/checkmark.xpm"
}

draw_single
draw_multi
draw_icon
draw_checkmark
