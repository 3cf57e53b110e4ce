#!/bin/sh
# Installs the build into a scratch folder, as the package does, and fails
# for every screenshot shipped that neither the guide nor the README shows.
# usage: shipped_screenshots.sh BUILD_DIR SOURCE_DIR
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch" cmake --install "$1" --prefix /usr >/dev/null || exit 1
cd "$scratch/usr/share/doc/tavrel" || exit 1
ls screenshots/*.png >/dev/null || exit 1
status=0
for picture in screenshots/*; do
    grep -qF "$picture" "$2/docs/guide.ja.md" "$2/README.md" ||
        { echo "$picture is shipped, but neither the guide nor the README shows it"; status=1; }
done
exit $status
