#!/usr/bin/env bash
# Runs lintian on a built package as CI and scripts/chroot-build.sh do: every
# warning fails. Lintian from Debian 13 on also runs appstreamcli validate-tree
# on the package and reports any complaint as appstream-metadata-validation-failed
# without naming it. That tag is suppressed only when the same validator,
# run here first, has no complaint but the one appstream-check.sh lets through
# by name (the missing homepage); older lintian neither runs it nor knows it.
# Usage: packaging/lintian.sh <.changes file>
set -euo pipefail
changes="$1"
suppress=()
if command -v appstreamcli >/dev/null; then
  tree="$(mktemp -d)"
  trap 'rm -rf "$tree"' EXIT
  sed -n '/^Files:/,/^[^ ]/s/^ .* \([^ ]*\.deb\)$/\1/p' "$changes" | while read -r deb; do
    dpkg-deb -x "$(dirname "$changes")/$deb" "$tree"
  done
  accepted="$(bash "$(dirname "$0")/appstream-check.sh" validate-tree "$tree")"
  if [ -n "$accepted" ]; then suppress=(--suppress-tags appstream-metadata-validation-failed); fi
fi
lintian --pedantic --info --fail-on error,warning "${suppress[@]}" "$changes"
