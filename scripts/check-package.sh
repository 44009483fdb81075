#!/usr/bin/env bash
# Builds the Debian package in a build folder (cpack -G DEB) and checks it as a distribution
# would: its files, its dependency line (computed by dpkg-shlibdeps), the desktop entry and the
# AppStream file, and lintian without an error.
#
# usage: check-package.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-package.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$build/numora_${version}_${arch}.deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
[[ -f $deb ]] || fail "cpack wrote no $deb"

dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/numora usr/bin/numora-cli usr/lib/numora/numora-services usr/lib/numora/clickrunner \
         usr/share/numora/ZahlenTr.dat usr/share/numora/land/bezeich.txt usr/share/numora/Script/Tipp24.crs \
         usr/share/doc/numora/copyright usr/share/doc/numora/changelog.gz usr/share/doc/numora/Numora.pdf \
         usr/share/doc/numora/Numora.en.pdf usr/share/doc/numora/Numora.tr.pdf \
         usr/share/applications/numora.desktop usr/share/metainfo/org.numora.numora.metainfo.xml \
         usr/share/mime/packages/numora.xml usr/share/icons/hicolor/scalable/apps/numora.svg \
         usr/share/icons/hicolor/256x256/apps/numora.png usr/share/man/man1/numora.1.gz; do
  [[ -e $work/root/$f ]] || fail "the package lacks /$f"
done
[[ -e $work/root/usr/bin/numora-services ]] && fail "the demo services are on PATH"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6multimedia6 \
               libqt6printsupport6 libqt6svg6 libcurl4; do
  grep -Fxq "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done
grep -q 'qt6-qpa-plugins' <<<"$depends" || fail "Depends lacks the platform plugins: $depends"
grep -q 'libsecret-1-0' <<<"$depends" || fail "Depends lacks libsecret, which the keyring needs: $depends"

desktop-file-validate "$work/root/usr/share/applications/numora.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.numora.numora.metainfo.xml" >"$work/as.log" 2>&1 \
  || { cat "$work/as.log" >&2; fail "appstreamcli validate"; }
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 \
  || { cat "$work/lintian.log" >&2; fail "lintian reports an error"; }
cat "$work/lintian.log"
echo "check-package: $(basename "$deb") is sound"
