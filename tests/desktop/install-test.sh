#!/bin/bash
# install-test.sh BUILD_DIR: installs into a fresh prefix and checks what the
# desktop reads there: the menu entry, the file types, the icons, the manual pages.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "ÉCHEC : $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "ÉCHEC : cmake --install"; exit 1; }

for file in bin/velmora bin/velmora-gst bin/velmora-sets; do
    [ -x "$prefix/$file" ] || fail "$file n'est pas installé"
done
desktop=$prefix/share/applications/velmora.desktop
desktop-file-validate "$desktop" || fail "velmora.desktop refusé"
grep -q '^Exec=velmora %F$' "$desktop" || fail "velmora.desktop ne passe pas les fichiers"

# The database is built from the XML: a type that did not parse has no glob.
XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime" 2>&1 | grep -i 'fail\|error' &&
    fail "velmora.xml mal formé"
for glob in application/x-velmora-text:\*.svk application/x-velmora-flowchart:\*.org \
            application/x-velmora-gestures:\*.gst; do
    grep -qF ":$glob" "$prefix/share/mime/globs2" || fail "pas de type pour ${glob#*:}"
    grep -q "^MimeType=.*${glob%%:*};" "$desktop" ||
        fail "velmora.desktop n'ouvre pas ${glob%%:*}"
done

icons=$prefix/share/icons/hicolor
[ -s "$icons/scalable/apps/velmora.svg" ] || fail "pas d'icône SVG"
for size in 16 32 48 256; do
    [ "$(identify -format %m:%wx%h "$icons/${size}x${size}/apps/velmora.png")" = "PNG:${size}x$size" ] ||
        fail "pas d'icône PNG de $size pixels"
done

for page in velmora velmora-gst; do
    grep -q '^\.TH' "$prefix/share/man/man1/$page.1" && grep -q 'FICHIER' "$prefix/share/man/man1/$page.1" ||
        fail "la page de manuel de $page ne dit pas ses options"
done
grep -A1 '^\.SH NAME' "$prefix/share/man/man1/velmora.1" | grep -q 'atelier des gestes dessinés$' ||
    fail "la page de manuel de velmora a perdu ses accents"
exit $failed
