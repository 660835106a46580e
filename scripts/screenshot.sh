#!/usr/bin/env bash
# Runs inside an X server (see run.sh): starts a program, photographs its windows at 100 % and
# its first window at 200 % (Velmora's Help window and About box too), ends it.
#
#   screenshot.sh <program> <folder> <language> <command...>
#
# The language (en, de, fr or es) is the one the program was started in: it gives the titles of
# the windows looked for, the menu's access keys and the event typed.
set -euo pipefail

program="$1"
shots="$2"
language="$3"
shift 3
command=("$@")

# Menu key, Help's item key, About's item key, Help's title, About's title (as xdotool
# matches it, as a pattern of bytes: ".*" for a letter outside ASCII), what, where.
case "$language" in
de) words=(h h b Hilfe '.*ber Velmora' Sommerfest Rathaus) ;;
fr) words=(a a p Aide '.* propos de Velmora' 'Grand bal' Mairie) ;;
es) words=(a a c Ayuda 'Acerca de Velmora' Concierto Ayuntamiento) ;;
*) words=(h h a Help 'About Velmora' 'Spring Fair' 'Town Hall') ;;
esac
menu_key="${words[0]}" help_key="${words[1]}" about_key="${words[2]}"
help_title="${words[3]}" about_title="${words[4]}" what="${words[5]}" where="${words[6]}"

"${command[@]}" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

case "$program" in
Velmora) title='^Velmora$' ;;
Sweepwright) title="^Dovrik's Software Sweepwright$" ;;
esac

window="$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)"
# The clock panel ticks once a second; wait for the first tick to have been painted.
sleep 1.6
import -window "$window" "$shots/$program.png"
echo "$shots/$program.png"

if [[ "$program" == Velmora ]]; then
    # An event chosen from the keyboard, as a user would: the focus starts in the first text
    # box and Tab walks what, "TELL ME NOW!", where, month, day, hour and minute.
    xdotool type --window "$window" --delay 20 "$what" 2>/dev/null
    xdotool key --window "$window" Tab Tab 2>/dev/null
    xdotool type --window "$window" --delay 20 "$where" 2>/dev/null
    xdotool key --window "$window" Tab M Tab 1 5 Tab 5 Tab 4 Tab Tab space 2>/dev/null
    sleep 0.5
    # Beyond the opening size lie the clock panel and the working labels.
    xdotool windowsize "$window" 620 540
    sleep 1.2
    import -window "$window" "$shots/$program-enlarged.png"
    echo "$shots/$program-enlarged.png"
    # Help, About from the keyboard; the menu's popup takes the second key, so the keys go to
    # whichever window has the focus.
    xdotool windowfocus --sync "$window" key "alt+$menu_key" sleep 0.3 key "$about_key" 2>/dev/null
    about="$(timeout 20 xdotool search --sync --onlyvisible --name "^$about_title\$" | head -n 1)"
    sleep 0.5
    import -window "$about" "$shots/$program-About.png"
    echo "$shots/$program-About.png"
fi

if [[ "$program" == Sweepwright ]]; then
    # "Next", from the keyboard (the focus starts on "Cancel"), once the page takes presses,
    # leads to the confirmation page, which is photographed and left unconfirmed.
    xdotool windowfocus --sync "$window" key Tab space 2>/dev/null
    sleep 1
    next="$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)"
    import -window "$next" "$shots/$program-Phase2.png"
    echo "$shots/$program-Phase2.png"
fi

# The first window again at 200 %, as on a high-resolution screen, where every text must be as
# crisp and evenly spaced as at 100 %.
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
# Wine hands a Windows program the variables of Qt only under the prefix "WINE".
QT_SCALE_FACTOR=2 WINEQT_SCALE_FACTOR=2 "${command[@]}" &
pid=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)"
sleep 1.6
import -window "$window" "$shots/$program-200.png"
echo "$shots/$program-200.png"

if [[ "$program" == Velmora ]]; then
    # Help, Help from the keyboard: the menu's access key opens it, the item's chooses it.
    xdotool windowfocus --sync "$window" key "alt+$menu_key" sleep 0.3 key "$help_key" 2>/dev/null
    help="$(timeout 20 xdotool search --sync --onlyvisible --name "^$help_title\$" | head -n 1)"
    sleep 0.5
    import -window "$help" "$shots/$program-Help-200.png"
    echo "$shots/$program-Help-200.png"
    # Help's OK closes it (the focus is on it), then Help, About from the keyboard, as at 100 %.
    xdotool windowfocus --sync "$help" key Return sleep 0.5 2>/dev/null
    xdotool windowfocus --sync "$window" key "alt+$menu_key" sleep 0.3 key "$about_key" 2>/dev/null
    about="$(timeout 20 xdotool search --sync --onlyvisible --name "^$about_title\$" | head -n 1)"
    sleep 0.5
    import -window "$about" "$shots/$program-About-200.png"
    echo "$shots/$program-About-200.png"
fi
