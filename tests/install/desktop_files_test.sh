#!/usr/bin/env bash
# desktop_files_test.sh DIST_BUILD_DIR APP_ID VERSION
# Checks the desktop entry, the AppStream metainfo and the MIME package the
# install puts in place with the desktop's own validators.
set -euo pipefail
dist=$1 id=$2 version=$3

for tool in desktop-file-validate appstreamcli xmllint update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (desktop-file-utils, appstream, libxml2-utils," \
            "shared-mime-info)"
        exit 77
    fi
done
fail() { echo "FAILED: $*"; exit 1; }

desktop-file-validate "$dist/$id.desktop" || fail "the desktop entry"
appstreamcli validate --no-net "$dist/$id.metainfo.xml" || fail "the AppStream metainfo"
grep -q "<release version=\"$version\"" "$dist/$id.metainfo.xml" ||
    fail "the metainfo should name release $version"
xmllint --noout "$dist/$id.xml" || fail "the MIME package is no well-formed XML"

# The MIME database built from the package alone gives *.vhf its type.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$dist/$id.xml" "$work/mime/packages/"
update-mime-database "$work/mime" 2>"$work/mime.err" || { cat "$work/mime.err"; fail "update-mime-database"; }
mime_type=$(sed -n 's/.*MimeType=\([^;]*\);.*/\1/p' "$dist/$id.desktop")
grep -q "^$mime_type:\*\.vhf$" "$work/mime/globs" || fail "*.vhf is not $mime_type"
echo "PASSED"
