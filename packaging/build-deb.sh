#!/usr/bin/env bash
# Builds the Debian package in a configured and built tree and checks it:
#   packaging/build-deb.sh <build-dir>
# cpack -G DEB, then the package listing against the expected files, the
# control fields, desktop-file-validate, appstreamcli validate, lintian and
# the packaged binary's --version. Exits non-zero if any check fails.
# Writes only into <build-dir> (the .deb, cpack's work area, deb-check/).
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CPackConfig.cmake" ]; then
    echo "usage: $0 <configured and built build-dir>" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
appId=org.example.quillfern
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$build/quillfern_${version}_${arch}.deb
iconSizes=(16 24 32 48 64 128 256)

failures=()
prFail() {
    echo "FAIL: $*"
    failures+=("$*")
}
prSection() {
    printf '\n== %s\n' "$*"
}

prSection "cpack -G DEB"
rm -f "$deb"
if ! (cd "$build" && cpack -G DEB); then
    echo "FAIL: cpack"
    exit 1
fi
if [ ! -f "$deb" ]; then
    echo "FAIL: cpack made no $(basename "$deb")"
    exit 1
fi

prSection "package listing (dpkg-deb -c)"
dpkg-deb -c "$deb"
expected=$(
    {
        echo ./usr/bin/quillfern
        echo ./usr/share/applications/$appId.desktop
        echo ./usr/share/doc/quillfern/changelog.gz
        echo ./usr/share/doc/quillfern/copyright
        for size in "${iconSizes[@]}"; do
            echo ./usr/share/icons/hicolor/${size}x${size}/apps/$appId.png
        done
        echo ./usr/share/man/man1/quillfern.1.gz
        echo ./usr/share/metainfo/$appId.metainfo.xml
    } | sort)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
if ! listingDiff=$(diff <(echo "$expected") <(echo "$actual")); then
    prFail "package files differ from the expected list (< missing, > unexpected):"
    echo "$listingDiff"
fi
if dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep -q .; then
    prFail "files not owned by root/root"
fi

prSection "control fields (dpkg-deb -I)"
dpkg-deb -I "$deb"
prField() { dpkg-deb -f "$deb" "$1"; }
for check in "Package=quillfern" "Version=$version" "Architecture=$arch" \
             "Maintainer=Quillfern developers <quillfern@example.org>" \
             "Section=electronics" "Priority=optional" \
             "Homepage=https://quillfern.example.org"; do
    field=${check%%=*}
    [ "$(prField "$field")" = "${check#*=}" ] || prFail "$field is '$(prField "$field")', want '${check#*=}'"
done
# The package names in Depends, one a line, without their versions.
dependsNames=$(prField Depends | tr ',|' '\n\n' | awk '{ print $1 }')
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    echo "$dependsNames" | grep -qxF "$lib" || prFail "Depends does not name $lib"
done
description=$(prField Description)
[ "$(echo "$description" | wc -l)" -ge 3 ] || prFail "Description has no extended text"

# Everything below looks at the files as installed.
root=$build/deb-check/root
rm -rf "$build/deb-check"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$appId.desktop
metainfo=$root/usr/share/metainfo/$appId.metainfo.xml

prSection "desktop-file-validate $appId.desktop"
if desktop-file-validate "$desktop"; then
    echo "valid"
else
    prFail "desktop-file-validate"
fi

prSection "appstreamcli validate --no-net $appId.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || prFail "appstreamcli validate"

prSection "names, versions, icons and screenshots agree"
# The metainfo names the desktop file it describes, and that file names the icon.
metaId=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
iconName=$(sed -n 's/^Icon=//p' "$desktop")
execName=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$metaId" = "$appId" ] || prFail "metainfo id is '$metaId', want '$appId'"
[ "$launchable" = "$appId.desktop" ] || prFail "metainfo launchable is '$launchable'"
[ "$iconName" = "$appId" ] || prFail "desktop Icon is '$iconName', want '$appId'"
[ -x "$root/usr/bin/$execName" ] || prFail "desktop Exec '$execName' is not in /usr/bin"
for size in "${iconSizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$iconName.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," \
        || prFail "icon $size: $(file -b "$icon")"
done
# The newest changelog entry and metainfo release are this version.
changelogVersion=$(zcat "$root/usr/share/doc/quillfern/changelog.gz" | dpkg-parsechangelog -l- -S Version)
[ "$changelogVersion" = "$version" ] || prFail "changelog's newest entry is $changelogVersion, not $version"
releaseVersion=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$releaseVersion" = "$version" ] || prFail "metainfo's newest release is $releaseVersion, not $version"
# Every screenshot of the README is in the metainfo, and only those.
readmeShots=$(grep -o 'docs/screenshots/[A-Za-z0-9_-]*\.png' "$source/README.md" | sed 's:.*/::' | sort -u)
metaShots=$(grep -o 'https://quillfern.example.org/screenshots/[^<]*' "$metainfo" | sed 's:.*/::' | sort -u)
if ! shotDiff=$(diff <(echo "$readmeShots") <(echo "$metaShots")); then
    prFail "metainfo screenshots differ from the README's (< README only, > metainfo only):"
    echo "$shotDiff"
fi
for shot in $metaShots; do
    [ -f "$source/docs/screenshots/$shot" ] || prFail "screenshot $shot is not in docs/screenshots"
done
echo "id $metaId, icon $iconName, version $version, screenshots: $(echo $metaShots)"

prSection "lintian $(basename "$deb")"
lintianOut=$(lintian --tag-display-limit 0 --display-info "$deb" 2>&1)
lintianRc=$?
echo "${lintianOut:-(no tags)}"
if [ $lintianRc -ne 0 ] || echo "$lintianOut" | grep -q '^E:'; then
    prFail "lintian reports errors"
fi

prSection "packaged quillfern --version (no display)"
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/quillfern" --version)
echo "$shown"
[ "$shown" = "Quillfern $version" ] || prFail "--version printed '$shown'"

prSection "result"
if [ ${#failures[@]} -ne 0 ]; then
    echo "${#failures[@]} check(s) failed:"
    printf '  %s\n' "${failures[@]}"
    exit 1
fi
echo "$(basename "$deb"): every check passed"
