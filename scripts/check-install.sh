#!/usr/bin/env bash
# Installs the Debian package in a fresh Debian 12 root with apt-get and checks that its
# dependencies are enough: both programs run, the menu entry starts the program, and the file
# type, the icon and the pages are where the desktop and the program look for them.
# Usage: scripts/check-install.sh PACKAGE.deb   (as root, with network to the Debian mirror)
#
# The first run builds a pristine root with debootstrap and keeps it as a tarball in
# $KX_INSTALLMAP (default /var/tmp/plastokinetica-install), beside the downloaded packages;
# every run unpacks the tarball anew, so each install starts from a clean machine. Delete the
# tarball to make a new one. The root of the last run stays for a look until the next run.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "Gebruik: $0 PAKKET.deb" >&2
    exit 64
fi
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Dit controlescript moet als root draaien." >&2; exit 1; }
    exec sudo env KX_INSTALLMAP="${KX_INSTALLMAP:-}" KX_WACHTTIJD="${KX_WACHTTIJD:-}" "$0" "$@"
fi

deb=$(realpath "$1")
bron=$(cd "$(dirname "$0")/.." && pwd)
werkmap=$(realpath -m "${KX_INSTALLMAP:-/var/tmp/plastokinetica-install}")
[ "$werkmap" != / ] || { echo "KX_INSTALLMAP mag niet / zijn." >&2; exit 64; }
tarbal=$werkmap/bookworm-minbase.tar
archief=$werkmap/apt-archives
root=$werkmap/bookworm-root
voorbeeld=$bron/tests/fixtures/voorbeeld.kx
# The example portal: Mp 50 kNm, a vertical load F at the middle of the beam 3 m from the left
# column. Its hinges in the beam and at the top of the 6 m right column rotate 2 and 1.5 times
# the column's rotation while the load moves 3 times it: Fp = 50 * 3.5 / 3 kN.
verwachteFp="58.33 kN"
wachttijd=${KX_WACHTTIJD:-5}
omgeving=(/usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
    HOME=/root LANG=C.UTF-8 XDG_RUNTIME_DIR=/tmp/runtime-root)
start=$SECONDS
fouten=0
programmaPid=""

Goed() { printf 'ok    %s\n' "$1"; }
Fout() {
    printf 'FOUT  %s: %s\n' "$1" "$2"
    fouten=$((fouten + 1))
}
Stap() { printf '..    %s (%d s)\n' "$1" $((SECONDS - start)); }

# --- the root and its mounts ---------------------------------------------------------------

Koppelingen() { findmnt -rn -o TARGET | awk -v m="$1" '$0 == m || index($0, m "/") == 1' | sort -r; }

Ontkoppel() {
    local map=$1 doel
    for doel in $(Koppelingen "$map"); do
        umount -R "$doel" 2>/dev/null || umount -R -l "$doel"
    done
}

Koppel() {
    local map=$1
    mount -t proc proc "$map/proc"
    mount --rbind /dev "$map/dev"
    mount --make-rslave "$map/dev"
    mkdir -p "$archief/partial"
    mount --bind "$archief" "$map/var/cache/apt/archives"
    cp -L /etc/resolv.conf "$map/etc/resolv.conf"
}

# Removes a root only when nothing is mounted in it any more.
VerwijderRoot() {
    local map=$1
    Ontkoppel "$map"
    if [ -n "$(Koppelingen "$map")" ]; then
        echo "Er is nog iets aangekoppeld onder $map; niets verwijderd." >&2
        exit 1
    fi
    rm -rf --one-file-system "$map"
}

Opruimen() {
    if [ -n "$programmaPid" ] && kill -0 "$programmaPid" 2>/dev/null; then
        kill "$programmaPid" 2>/dev/null || true
    fi
    Ontkoppel "$root"
    Ontkoppel "$werkmap/bookworm.nieuw"
}
trap Opruimen EXIT
trap 'exit 130' INT TERM

InRoot() { chroot "$root" "${omgeving[@]}" "$@"; }

# The Debian mirror this machine uses, from one-line or deb822 sources.
Spiegel() {
    local suite=$1
    {
        grep -hsE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
            sed -E 's/\[[^]]*\]//' | awk -v s="$suite" '$3 == s { print $2 }'
        awk -v s="$suite" 'BEGIN { RS = "" }
            /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ && /(^|\n)Suites:[^\n]*/ && !/(^|\n)Enabled: *no/ {
                n = split($0, regels, "\n"); uri = ""; treft = 0
                for (i = 1; i <= n; i++) {
                    if (regels[i] ~ /^URIs:/) { split(regels[i], u, " "); uri = u[2] }
                    if (regels[i] ~ /^Suites:/) {
                        m = split(regels[i], w, " ")
                        for (j = 2; j <= m; j++) if (w[j] == s) treft = 1
                    }
                }
                if (treft && uri != "") print uri
            }' /etc/apt/sources.list.d/*.sources 2>/dev/null
    } | head -n 1
}

MaakTarbal() {
    local nieuw=$werkmap/bookworm.nieuw spiegel veiligheid
    spiegel=$(Spiegel bookworm)
    spiegel=${spiegel:-http://deb.debian.org/debian}
    veiligheid=$(Spiegel bookworm-security)
    if ! command -v debootstrap >/dev/null; then
        Stap "debootstrap installeren"
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap; } \
            >"$werkmap/debootstrap.log" 2>&1 || { tail -n 5 "$werkmap/debootstrap.log"; exit 1; }
    fi
    Stap "nieuwe Debian 12-root met debootstrap van $spiegel (eenmalig, enkele minuten)"
    VerwijderRoot "$nieuw"
    debootstrap --variant=minbase bookworm "$nieuw" "$spiegel" >"$werkmap/debootstrap.log" 2>&1 ||
        { tail -n 20 "$werkmap/debootstrap.log"; exit 1; }
    {
        echo "deb $spiegel bookworm main"
        echo "deb $spiegel bookworm-updates main"
        [ -z "$veiligheid" ] || echo "deb $veiligheid bookworm-security main"
    } >"$nieuw/etc/apt/sources.list"
    # A root without init: package scripts must not try to start services.
    printf '#!/bin/sh\nexit 101\n' >"$nieuw/usr/sbin/policy-rc.d"
    chmod 755 "$nieuw/usr/sbin/policy-rc.d"
    Koppel "$nieuw"
    chroot "$nieuw" apt-get update -qq >/dev/null
    Ontkoppel "$nieuw"
    tar -C "$nieuw" --numeric-owner -cpf "$tarbal.nieuw" .
    mv "$tarbal.nieuw" "$tarbal"
    VerwijderRoot "$nieuw"
}

# --- checks ----------------------------------------------------------------------------------

Installeer() {
    local naam
    naam=$(basename "$deb")
    cp "$deb" "$root/tmp/$naam"
    chmod 644 "$root/tmp/$naam"
    install -d -m 700 "$root/tmp/runtime-root"
    Stap "apt-get install ./$naam (log: $werkmap/apt.log)"
    if InRoot apt-get update -qq >"$werkmap/apt.log" 2>&1 &&
        InRoot sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$naam" \
            >>"$werkmap/apt.log" 2>&1 &&
        [ "$(InRoot dpkg-query -W -f='${Status}' plastokinetica)" = "install ok installed" ]; then
        Goed "apt-get install ./$naam: $(grep -cE '^Setting up ' "$werkmap/apt.log") pakketten ingesteld"
    else
        Fout "apt-get install ./$naam" "mislukt; $(grep -E '^(E|W):' "$werkmap/apt.log" | tail -n 3)"
        exit 1
    fi
}

# Error output that shows a missing library, plugin or font.
OntbrekendeDelen() {
    grep -iE 'cannot open shared object|not found|could not (load|find)|cannot load|failed to load|no such file|qt\.qpa\.plugin|fontconfig (error|warning)|cannot find font' "$1" || true
}

ControleerBibliotheken() {
    local bestand ontbreekt plugin
    local -a bestanden
    mapfile -t bestanden < <(InRoot dpkg -L plastokinetica | grep '^/usr/bin/')
    # The plugins the desktop, the offscreen start and the print dialog load.
    for plugin in "$root"/usr/lib/*/qt6/plugins/{platforms/libq{xcb,offscreen},printsupport/*}.so; do
        [ ! -f "$plugin" ] || bestanden+=("${plugin#"$root"}")
    done
    for bestand in "${bestanden[@]}"; do
        ontbreekt=$(InRoot ldd "$bestand" 2>&1 | grep 'not found' | awk '{print $1}' | xargs || true)
        if [ -z "$ontbreekt" ]; then
            Goed "ldd $bestand: alle bibliotheken gevonden"
        else
            Fout "ldd $bestand" "niet gevonden: $ontbreekt"
        fi
    done
}

ControleerAnalyse() {
    local uitvoer fp
    cp "$voorbeeld" "$root/tmp/voorbeeld.kx"
    uitvoer=$(InRoot kx-analyse /tmp/voorbeeld.kx 2>&1) || true
    fp=$(grep -oE 'Fp = [^ ]+ kN \(Maatgevend\)' <<<"$uitvoer" | sed -E 's/^Fp = | \(Maatgevend\)//g')
    if [ "$fp" = "$verwachteFp" ]; then
        Goed "kx-analyse /tmp/voorbeeld.kx: maatgevend Fp = $fp"
    else
        Fout "kx-analyse /tmp/voorbeeld.kx" "verwacht Fp = $verwachteFp, kreeg: $(head -n 3 <<<"$uitvoer" | xargs)"
    fi
}

ControleerPdf() {
    local fouttekst=$werkmap/pdf.err pdf=$root/tmp/rapport.pdf tekst
    rm -f "$pdf"
    if ! InRoot kx-analyse --pdf /tmp/rapport.pdf /tmp/voorbeeld.kx >/dev/null 2>"$fouttekst"; then
        Fout "kx-analyse --pdf" "afsluitcode niet 0: $(head -n 3 "$fouttekst" | xargs)"
    elif [ "$(head -c 5 "$pdf" 2>/dev/null)" != "%PDF-" ]; then
        Fout "kx-analyse --pdf" "geen PDF geschreven"
    elif [ -n "$(OntbrekendeDelen "$fouttekst")" ]; then
        Fout "kx-analyse --pdf" "$(OntbrekendeDelen "$fouttekst" | head -n 3 | xargs)"
    elif command -v pdftotext >/dev/null; then
        tekst=$(pdftotext "$pdf" - 2>/dev/null || true)
        if grep -q "Fp = $verwachteFp" <<<"$tekst"; then
            Goed "kx-analyse --pdf: $(stat -c %s "$pdf") bytes, de tekst bevat Fp = $verwachteFp"
        else
            Fout "kx-analyse --pdf" "de PDF bevat de tekst 'Fp = $verwachteFp' niet"
        fi
    else
        Goed "kx-analyse --pdf: $(stat -c %s "$pdf") bytes PDF (geen pdftotext om de tekst te lezen)"
    fi
}

# The package's menu entry, and one of its keys.
Starter() { InRoot dpkg -L plastokinetica | grep -E '^/usr/share/applications/.*\.desktop$' | head -n 1; }
Sleutel() { grep -m 1 "^$2=" "$root$1" | cut -d= -f2-; }

ControleerStarten() {
    local starter=$1 opdracht programma fouttekst=$werkmap/programma.err deel code
    local -a regel=()
    opdracht=$(Sleutel "$starter" Exec)
    [ -n "$opdracht" ] || { Fout "menu-item $starter" "geen Exec-regel"; return; }
    # The file the desktop hands over replaces %f; other field codes fall away.
    for deel in $opdracht; do
        case $deel in
        %[fFuU]) regel+=(/tmp/voorbeeld.kx) ;;
        %?) ;;
        *) regel+=("$deel") ;;
        esac
    done
    programma=$(InRoot sh -c "command -v '${regel[0]}'" || true)
    [ -n "$programma" ] || { Fout "Exec=$opdracht" "'${regel[0]}' staat niet in PATH"; return; }
    # Started directly, not in a subshell, so that the process id is the program's own.
    chroot "$root" "${omgeving[@]}" QT_QPA_PLATFORM=offscreen "${regel[@]}" >/dev/null 2>"$fouttekst" &
    programmaPid=$!
    sleep "$wachttijd"
    if ! kill -0 "$programmaPid" 2>/dev/null; then
        wait "$programmaPid" && code=0 || code=$?
        Fout "Exec=$opdracht" "gestopt na minder dan $wachttijd s (code $code): $(head -n 3 "$fouttekst" | xargs)"
    elif [ -n "$(OntbrekendeDelen "$fouttekst")" ]; then
        Fout "Exec=$opdracht" "$(OntbrekendeDelen "$fouttekst" | head -n 3 | xargs)"
    else
        Goed "Exec=$opdracht draait na $wachttijd s op offscreen, zonder melding van een ontbrekend deel"
    fi
    kill "$programmaPid" 2>/dev/null || true
    wait "$programmaPid" 2>/dev/null || true
    programmaPid=""
    DataBijProgramma "$programma"
}

# The program looks for its pages and texts in ../share/plastokinetica beside its own folder.
DataBijProgramma() {
    local data bestand ontbreekt=""
    data=$(realpath -m "$(dirname "$1")/../share/plastokinetica")
    for bestand in Help/HelpIndex.html Theorie/TheorieIndex.htm English.kxt; do
        [ -s "$root$data/$bestand" ] || ontbreekt+=" $bestand"
    done
    if [ -z "$ontbreekt" ]; then
        Goed "help, theorie en Engelse teksten staan waar $1 zoekt: $data"
    else
        Fout "gegevens in $data" "ontbreekt:$ontbreekt"
    fi
}

ControleerBestandstype() {
    local starter=$1 type pakketbestand
    type=$(Sleutel "$starter" MimeType | cut -d';' -f1)
    pakketbestand=$(InRoot dpkg -L plastokinetica | grep -m 1 '^/usr/share/mime/packages/' || true)
    if [ -z "$type" ] || [ -z "$pakketbestand" ]; then
        Fout "bestandstype .kx" "MimeType in het menu-item of het bestand in /usr/share/mime/packages ontbreekt"
        return
    fi
    if ! grep -q "type=\"$type\"" "$root$pakketbestand" || ! grep -q 'pattern="\*\.kx"' "$root$pakketbestand"; then
        Fout "bestandstype .kx" "$pakketbestand noemt $type of *.kx niet"
    elif [ ! -f "$root/usr/share/mime/globs2" ]; then
        Fout "bestandstype .kx" "geen MIME-database (shared-mime-info ontbreekt)"
    elif ! grep -q ":$type:\*\.kx$" "$root/usr/share/mime/globs2"; then
        Fout "bestandstype .kx" "de MIME-database kent *.kx niet; update-mime-database is niet gedraaid"
    else
        Goed "bestandstype .kx: $type in /usr/share/mime/globs2"
    fi
}

# What a desktop machine adds: the menu's file associations and the checks of the entry and of
# the AppStream metadata. Runs last, so the checks above saw only the package's dependencies.
ControleerBureaublad() {
    local starter=$1 type metainfo toepassing
    type=$(Sleutel "$starter" MimeType | cut -d';' -f1)
    Stap "desktop-file-utils, xdg-utils en appstream erbij, zoals op een bureaublad"
    InRoot sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        desktop-file-utils xdg-utils appstream' >>"$werkmap/apt.log" 2>&1 ||
        { Fout "bureaubladgereedschap" "installeren mislukt, zie $werkmap/apt.log"; return; }
    toepassing=$(InRoot xdg-mime query default "$type" || true)
    if [ "$toepassing" = "$(basename "$starter")" ]; then
        Goed "xdg-mime: een dubbelklik op een .kx-bestand opent $toepassing"
    else
        Fout "xdg-mime query default $type" "geeft '$toepassing', niet $(basename "$starter")"
    fi
    if InRoot desktop-file-validate "$starter" >"$werkmap/validatie.log" 2>&1 &&
        ! grep -qE ': (error|warning):' "$werkmap/validatie.log"; then
        Goed "desktop-file-validate $starter$(grep -q hint "$werkmap/validatie.log" && echo ' (alleen hints)')"
    else
        Fout "desktop-file-validate $starter" "$(grep -E 'error|warning' "$werkmap/validatie.log" | head -n 2 | xargs)"
    fi
    metainfo=$(InRoot dpkg -L plastokinetica | grep -m 1 '^/usr/share/metainfo/' || true)
    if [ -z "$metainfo" ]; then
        Fout "AppStream" "het pakket heeft geen bestand in /usr/share/metainfo"
    elif InRoot appstreamcli validate --strict --no-net "$metainfo" >"$werkmap/validatie.log" 2>&1; then
        Goed "appstreamcli validate $metainfo"
    else
        Fout "appstreamcli validate $metainfo" "$(grep -E '^[EW]:' "$werkmap/validatie.log" | head -n 2 | xargs)"
    fi
}

# Each icon of the menu entry in the hicolor theme, with the size its folder names.
ControleerPictogram() {
    local naam bestand maat breedte hoogte aantal=0
    naam=$(Sleutel "$1" Icon)
    for bestand in "$root"/usr/share/icons/hicolor/*/apps/"$naam".png; do
        [ -f "$bestand" ] || continue
        maat=$(basename "$(dirname "$(dirname "$bestand")")")
        breedte=$(od -An -tu1 -j16 -N4 "$bestand" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
        hoogte=$(od -An -tu1 -j20 -N4 "$bestand" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
        if [ "$(head -c 4 "$bestand" | tail -c 3)" != "PNG" ] || [ "${breedte}x$hoogte" != "$maat" ]; then
            Fout "pictogram ${bestand#"$root"}" "geen PNG van $maat"
            return
        fi
        aantal=$((aantal + 1))
    done
    if [ "$aantal" -gt 0 ] && [ -f "$root/usr/share/icons/hicolor/48x48/apps/$naam.png" ]; then
        Goed "pictogram $naam: $aantal maten in /usr/share/icons/hicolor"
    else
        Fout "pictogram $naam" "niet in /usr/share/icons/hicolor/48x48/apps"
    fi
}

# The drawings are measured in these fonts; without them Qt would quietly take another.
ControleerLettertypen() {
    local familie gevonden
    for familie in "Liberation Sans" "DejaVu Sans"; do
        gevonden=$(InRoot fc-match -f '%{family}' "$familie" 2>&1 || true)
        if [[ ",$gevonden," == *",$familie,"* ]]; then
            Goed "lettertype $familie"
        else
            Fout "lettertype $familie" "fc-match geeft '$gevonden'"
        fi
    done
}

# The Dutch program shows Qt's own buttons and dialogs in Dutch.
ControleerQtVertaling() {
    if [ -f "$root/usr/share/qt6/translations/qtbase_nl.qm" ]; then
        Goed "Nederlandse vertaling van Qt's eigen dialogen: /usr/share/qt6/translations/qtbase_nl.qm"
    else
        Fout "Qt-vertaling" "/usr/share/qt6/translations/qtbase_nl.qm ontbreekt"
    fi
}

# --- the run ---------------------------------------------------------------------------------

mkdir -p "$werkmap"
[ -f "$tarbal" ] || MaakTarbal
Stap "de root van de vorige keer weg"
VerwijderRoot "$root"
Stap "schone root uit $tarbal"
mkdir -p "$root"
tar -C "$root" --numeric-owner -xpf "$tarbal"
# The root lives for one run: dpkg need not wait for the disk after every file.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/kx-unsafe-io"
Koppel "$root"

Installeer
starter=$(Starter)
ControleerBibliotheken
ControleerAnalyse
ControleerPdf
ControleerLettertypen
ControleerQtVertaling
if [ -n "$starter" ]; then
    Goed "menu-item $starter: Categories=$(Sleutel "$starter" Categories)"
    ControleerStarten "$starter"
    ControleerBestandstype "$starter"
    ControleerPictogram "$starter"
    ControleerBureaublad "$starter"
else
    Fout "menu-item" "het pakket heeft geen bestand in /usr/share/applications"
fi

if [ "$fouten" -eq 0 ]; then
    echo "Alles in orde: $(basename "$deb") installeert en draait op Debian 12 ($((SECONDS - start)) s)."
else
    echo "$fouten controle(s) mislukt ($((SECONDS - start)) s)."
fi
[ "$fouten" -eq 0 ]
