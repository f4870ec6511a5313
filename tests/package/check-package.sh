#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: the file list, the
# dependencies found from the shared libraries, lintian without errors, and, unpacked into a
# scratch root, the desktop file, the MIME definition and the AppStream data.
#   tests/package/check-package.sh BUILD_FOLDER
# Exit 77 (skipped) when the Debian tools are missing.
set -euo pipefail
build="$(cd "$1" && pwd)"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate update-mime-database; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "übersprungen: $tool fehlt"
        exit 77
    fi
done
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# gzip keeps the test short; the real package uses the default compression.
(cd "$build" && cpack -G DEB -B "$scratch/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb="$(ls "$scratch"/out/*.deb)"
echo "Paket: $(basename "$deb")"

fail=0
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$scratch/files"
for want in /usr/bin/brelvan /usr/bin/brelvan-cli \
    /usr/share/applications/brelvan.desktop /usr/share/mime/packages/brelvan.xml \
    /usr/share/icons/hicolor/scalable/apps/brelvan.svg \
    /usr/share/icons/hicolor/48x48/apps/brelvan.png /usr/share/icons/hicolor/64x64/apps/brelvan.png \
    /usr/share/icons/hicolor/128x128/apps/brelvan.png \
    /usr/share/icons/hicolor/scalable/mimetypes/application-x-brelvan.svg \
    /usr/share/metainfo/de.brelvan.brelvan.metainfo.xml \
    /usr/share/man/man1/brelvan.1.gz /usr/share/man/man1/brelvan-cli.1.gz \
    /usr/share/man/man1/brelvan-grafik.1.gz /usr/share/man/de/man1/brelvan.1.gz \
    /usr/share/man/de/man1/brelvan-cli.1.gz /usr/share/man/de/man1/brelvan-grafik.1.gz \
    /usr/share/doc/brelvan/copyright /usr/share/doc/brelvan/changelog.gz \
    /usr/share/doc/brelvan/examples/beispiel.brv /usr/share/doc/brelvan/examples/druckwerte.csv; do
    if ! grep -qx "$want" "$scratch/files"; then
        echo "FEHLT im Paket: $want"
        fail=1
    fi
done
# Every program of the build is in the package.
for program in "$build"/brelvan*; do
    name="$(basename "$program")"
    case "$name" in brelvan-bench) continue ;; esac
    if [ -f "$program" ] && [ -x "$program" ] && ! grep -qx "/usr/bin/$name" "$scratch/files"; then
        echo "FEHLT im Paket: /usr/bin/$name"
        fail=1
    fi
done

recommends="$(dpkg-deb -f "$deb" Recommends)"
for want in qt6-translations-l10n fonts-liberation; do
    if ! grep -q "$want" <<<"$recommends"; then
        echo "FEHLT in Recommends: $want"
        fail=1
    fi
done
# The programs carry the hardening of dpkg-buildflags: read-only relocations, immediate binding.
for program in "$build"/brelvan "$build"/brelvan-cli; do
    if [ -x "$program" ] && command -v readelf >/dev/null; then
        if ! readelf -d "$program" | grep -q 'BIND_NOW\|FLAGS.*NOW'; then
            echo "NICHT gehärtet (bindnow): $program"
            fail=1
        fi
    fi
done

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libqt6widgets6 libxlsxwriter libc6; do
    if ! grep -q "$lib" <<<"$depends"; then
        echo "FEHLT in Depends: $lib"
        fail=1
    fi
done

lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -q '^E:' "$scratch/lintian.log"; then
    echo "lintian meldet Fehler"
    fail=1
fi

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/brelvan.desktop" || fail=1
# English base strings with German translations; the man pages in their language's folder.
for key in GenericName Comment Keywords; do
    if ! grep -q "^$key\[de\]=" "$root/usr/share/applications/brelvan.desktop"; then
        echo "FEHLT im Desktop-Eintrag: $key[de]"
        fail=1
    fi
done
for page in brelvan brelvan-cli brelvan-grafik; do
    if ! zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH NAME' ||
        ! zcat "$root/usr/share/man/de/man1/$page.1.gz" | grep -q '^\.SH BEZEICHNUNG'; then
        echo "Die Handbuchseite $page steht nicht englisch in man1 und deutsch in de/man1"
        fail=1
    fi
done
if ! update-mime-database "$root/usr/share/mime" ||
    ! grep -q 'application/x-brelvan:\*\.brv' "$root/usr/share/mime/globs2"; then
    echo "Die MIME-Definition wird nicht angenommen"
    fail=1
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/de.brelvan.brelvan.metainfo.xml" || fail=1
fi
exit "$fail"
