# Turns an icon's drawing in ImageMagick's MVG into SVG, for the scalable icon of the hicolor
# theme: the drawing is the icons' one source, and this Debian's ImageMagick writes no SVG.
# Knows what the drawings use: fill, stroke, stroke-width, stroke-linecap, and the primitives
# rectangle, roundrectangle, circle, line, polyline and polygon, with comma-separated points.
# Usage: awk -v size=<canvas side> -f mvg2svg.awk drawing.mvg > icon.svg
function attrs() {
    return sprintf("fill=\"%s\" stroke=\"%s\" stroke-width=\"%s\" stroke-linecap=\"%s\"",
                   fill, stroke, width, cap)
}
function unquote(s) { gsub(/'/, "", s); return s }
function point(s, xy) { split(s, xy, ","); px = xy[1]; py = xy[2] }
function points(   list) {
    list = ""
    while (i + 1 <= n && tok[i + 1] ~ /^-?[0-9.]+,-?[0-9.]+$/) {
        i++
        list = list (list == "" ? "" : " ") tok[i]
    }
    return list
}
BEGIN {
    fill = "black"; stroke = "none"; width = 1; cap = "butt"
    printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n",
           size, size, size, size
}
/^#/ { next }
{
    n = split($0, tok, /[ \t]+/)
    for (i = 1; i <= n; i++) {
        t = tok[i]
        if (t == "") continue
        if (t == "fill") { fill = unquote(tok[++i]) }
        else if (t == "stroke") { stroke = unquote(tok[++i]) }
        else if (t == "stroke-width") { width = tok[++i] }
        else if (t == "stroke-linecap") { cap = tok[++i] }
        else if (t == "rectangle" || t == "roundrectangle") {
            point(tok[++i]); x0 = px; y0 = py
            point(tok[++i]); x1 = px; y1 = py
            rx = 0; ry = 0
            if (t == "roundrectangle") { point(tok[++i]); rx = px; ry = py }
            printf "  <rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" rx=\"%s\" ry=\"%s\" %s/>\n",
                   x0, y0, x1 - x0, y1 - y0, rx, ry, attrs()
        } else if (t == "circle") {
            point(tok[++i]); cx = px; cy = py
            point(tok[++i])
            r = sqrt((px - cx) ^ 2 + (py - cy) ^ 2)
            printf "  <circle cx=\"%s\" cy=\"%s\" r=\"%s\" %s/>\n", cx, cy, r, attrs()
        } else if (t == "line") {
            point(tok[++i]); x0 = px; y0 = py
            point(tok[++i])
            printf "  <line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" %s/>\n", x0, y0, px, py, attrs()
        } else if (t == "polyline" || t == "polygon") {
            printf "  <%s points=\"%s\" %s/>\n", t, points(), attrs()
        } else {
            print "mvg2svg: cannot draw '" t "'" > "/dev/stderr"
            failed = 1
            exit 1
        }
    }
}
END {
    if (failed) exit 1
    print "</svg>"
}
