#!/bin/sh
# Each folder of src/ includes only from itself and the folders below it:
# the core (table, rules, payout), then the strategy, the session and the
# picture loader, then the window, then the program around it.
#   layers.sh SRC
set -u
cd "$1" || exit 2
below() {
    case $1 in
        table | rules | payout) echo "table rules payout" ;;
        strategy) echo "strategy table" ;;
        session) echo "session strategy table" ;;
        pictures) echo "pictures table" ;;
        ui) echo "ui pictures session strategy table payout" ;;
        app) echo "app ui pictures session strategy table" ;;
        *) echo "" ;;
    esac
}
upward=$(for dir in */; do
    dir=${dir%/}
    grep -o '^#include "[a-z_]*/' "$dir"/*.h "$dir"/*.cpp 2>/dev/null | while IFS=: read -r file include; do
        folder=${include#\#include \"}
        folder=${folder%/}
        case " $(below "$dir") " in
            *" $folder "*) ;;
            *) echo "$file includes from $folder/" ;;
        esac
    done
done)
[ -z "$upward" ] || { echo "$upward"; exit 1; }
