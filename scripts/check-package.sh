#!/usr/bin/env bash
# Lists the Debian package and checks that it holds both programs, their manual pages and every
# file the desktop needs, that its programs are stripped with their symbols in the debug package
# beside it, and that lintian finds no error or warning.
# Usage: scripts/check-package.sh [package.deb]; the newest build-pakket/*.deb by default.
set -euo pipefail
deb=${1:-$(ls -t build-pakket/plastokinetica_*.deb 2>/dev/null | head -n 1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "No package found; run 'make package' first." >&2; exit 1; }

# A link is listed as "name -> target": the name is what the package holds.
inhoud=$(dpkg-deb -c "$deb" | awk '{print ($(NF-1) == "->" ? $(NF-2) : $NF)}' | sed 's|^\./|/|')
echo "$inhoud"
verwacht=(
    /usr/bin/plastokinetica
    /usr/bin/kx-analyse
    /usr/bin/kx-analyse-pdf
    /usr/share/plastokinetica/English.kxt
    /usr/share/plastokinetica/Help/HelpIndex.html
    /usr/share/plastokinetica/Theorie/TheorieIndex.htm
    /usr/share/applications/nl.kx.Plastokinetica.desktop
    /usr/share/metainfo/nl.kx.Plastokinetica.metainfo.xml
    /usr/share/mime/packages/nl.kx.Plastokinetica.xml
    /usr/share/icons/hicolor/48x48/apps/nl.kx.Plastokinetica.png
    /usr/share/icons/hicolor/256x256/apps/nl.kx.Plastokinetica.png
    /usr/share/man/man1/plastokinetica.1.gz
    /usr/share/man/man1/kx-analyse.1.gz
    /usr/share/man/man1/kx-analyse-pdf.1.gz
    /usr/share/doc/plastokinetica/copyright
    /usr/share/doc/plastokinetica/changelog.gz
)
ontbreekt=0
for pad in "${verwacht[@]}"; do
    grep -qxF "$pad" <<<"$inhoud" || { echo "MISSING: $pad" >&2; ontbreekt=1; }
done
# Every page of the source tree is in the package.
while IFS= read -r pagina; do
    grep -qxF "/usr/share/plastokinetica/${pagina#pages/}" <<<"$inhoud" ||
        { echo "MISSING: page $pagina" >&2; ontbreekt=1; }
done < <(cd "$(dirname "$0")/.." && find pages -type f | sort)

velden=$(dpkg-deb -f "$deb" Package Version Architecture Depends)
echo "$velden"
grep -q '^Depends:.*libqt6widgets6' <<<"$velden" || { echo "MISSING: Qt in Depends" >&2; ontbreekt=1; }
# The debug symbols of every program are in the debug package, by build ID.
dbgsym=$(dirname "$deb")/$(basename "$deb" .deb | sed 's/^plastokinetica_/plastokinetica-dbgsym_/').ddeb
if [ -f "$dbgsym" ]; then
    symbolen=$(dpkg-deb -c "$dbgsym" | awk '{print $NF}')
    uitpak=$(mktemp -d)
    trap 'rm -rf "$uitpak"' EXIT
    dpkg-deb -x "$deb" "$uitpak"
    for programma in plastokinetica kx-analyse kx-analyse-pdf; do
        id=$(readelf -n "$uitpak/usr/bin/$programma" | awk '/Build ID/ {print $3}')
        grep -q "/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug$" <<<"$symbolen" ||
            { echo "MISSING: debug symbols of $programma" >&2; ontbreekt=1; }
        if readelf -S "$uitpak/usr/bin/$programma" | grep -q '\.debug_info'; then
            echo "NOT STRIPPED: $programma" >&2
            ontbreekt=1
        fi
    done
else
    echo "MISSING: $dbgsym" >&2
    ontbreekt=1
fi

lintian --fail-on error,warning "$deb" || { echo "lintian: errors or warnings" >&2; ontbreekt=1; }
[ "$ontbreekt" -eq 0 ] && echo "OK: $deb"
exit "$ontbreekt"
