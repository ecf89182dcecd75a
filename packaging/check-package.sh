#!/usr/bin/env bash
# Checks a built package with Debian's own tools, each one that is installed: lintian on the
# .deb, desktop-file-validate on its desktop entry and appstreamcli on its AppStream metadata.
# Exits non-zero when an installed checker reports an error or a warning.
#   packaging/check-package.sh build/numora_1.6.0_amd64.deb
set -u
deb=$1
status=0
checked=0

if command -v lintian > /dev/null; then
  checked=1
  if lintian --fail-on error,warning "$deb"; then
    echo "lintian: no errors or warnings on $(basename "$deb")"
  else
    echo "lintian: $(basename "$deb") has errors or warnings (above)"
    status=1
  fi
fi

tools=()
command -v desktop-file-validate > /dev/null && tools+=(desktop)
command -v appstreamcli > /dev/null && tools+=(appstream)
if [ ${#tools[@]} -gt 0 ]; then
  checked=1
  root=$(mktemp -d)
  trap 'rm -rf "$root"' EXIT
  dpkg-deb -x "$deb" "$root"
  for tool in "${tools[@]}"; do
    case $tool in
      desktop)
        for f in "$root"/usr/share/applications/*.desktop; do
          # desktop-file-validate exits 0 on warnings; any output is a finding.
          out=$(desktop-file-validate "$f" 2>&1)
          if [ -n "$out" ]; then echo "$out"; echo "desktop-file-validate: findings in $(basename "$f")"; status=1
          else echo "desktop-file-validate: $(basename "$f") is clean"; fi
        done ;;
      appstream)
        for f in "$root"/usr/share/metainfo/*.metainfo.xml; do
          if appstreamcli validate --no-net "$f"; then echo "appstreamcli: $(basename "$f") is valid"
          else echo "appstreamcli: $(basename "$f") has errors or warnings (above)"; status=1; fi
        done ;;
    esac
  done
fi

[ $checked = 1 ] || echo "lintian, desktop-file-validate and appstreamcli are not installed: package not checked"
exit $status
