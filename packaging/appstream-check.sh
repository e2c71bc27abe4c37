#!/usr/bin/env bash
# Validates AppStream metadata and lets exactly one issue through, by name:
# url-homepage-missing. The project has no homepage and invents none, and
# AppStream 1.0 warns about that; any other warning or error fails. Prints the
# name when the validator reported it (AppStream 0.16 does not know the tag).
# Usage: appstream-check.sh validate <metainfo file>
#        appstream-check.sh validate-tree <installed tree>
set -euo pipefail
command="$1" target="$2"
accepted=url-homepage-missing
report="$(appstreamcli "$command" --no-net --format yaml "$target" || true)"
grep -q '^Validator: ' <<<"$report" || { echo "appstreamcli $command $target: no report" >&2; exit 1; }
blocking="$(awk -v accepted="$accepted" '/^- tag: / { tag = $3 }
    /^  severity: (warning|error)$/ && tag != accepted { print tag }' <<<"$report")"
[ -z "$blocking" ] || { echo "$report" >&2; exit 1; }
if grep -qx -- "- tag: $accepted" <<<"$report"; then echo "$accepted"; fi
