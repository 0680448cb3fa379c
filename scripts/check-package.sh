#!/usr/bin/env bash
# Lists the Debian package and checks that it holds both programs and every file the desktop
# needs. Usage: scripts/check-package.sh [package.deb]; the newest build-pakket/*.deb by default.
set -euo pipefail
deb=${1:-$(ls -t build-pakket/plastokinetica_*.deb 2>/dev/null | head -n 1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "No package found; run 'make package' first." >&2; exit 1; }

inhoud=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
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
[ "$ontbreekt" -eq 0 ] && echo "OK: $deb"
exit "$ontbreekt"
