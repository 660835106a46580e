#!/bin/sh
# Compiles the Linux locales named into a folder of the tests' own, for LOCPATH:
#   locales.sh <folder> de_DE fr_FR ...
# Wine takes the user's Windows language from LANG (or LC_ALL), but only when the C library
# knows that locale, and a machine may have none but C installed. Each is compiled once, from
# the sources of Debian's package "locales"; one takes about two seconds.
set -eu
folder="$1"
shift
mkdir -p -- "$folder"
for locale in "$@"; do
    [ -e "$folder/$locale.UTF-8/LC_MESSAGES" ] && continue
    localedef -i "$locale" -f UTF-8 "$folder/$locale.UTF-8" || {
        echo "locales.sh: $locale could not be compiled: install the package locales" >&2
        exit 1
    }
done
