#!/usr/bin/env bash
# The manual page's FILES section names every file that installation puts in the program
# folder, and no file that it does not.
#   tests/program/manual-files.sh packaging/numora.1 build lib/numora
set -u
page=$1
build=$2
folder=$3
work=$(mktemp -d /tmp/numora-man.XXXXXX)
trap 'rm -rf "$work"' EXIT

if ! cmake --install "$build" --prefix "$work/root" > "$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAILED: the installation"
  exit 1
fi
(cd "$work/root/$folder" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$work/installed"

# Each .I line of FILES under /usr/lib/numora/ (roff's \- read as -); a {a,b} in a name stands
# for each of its words.
awk '/^\.SH /{files = ($2 == "FILES"); next} files && /^\.I /{sub(/^\.I +/, ""); gsub(/"/, ""); gsub(/\\-/, "-"); print}' "$page" |
  while IFS= read -r path; do
    case $path in /usr/lib/numora/?*) ;; *) continue ;; esac
    path=${path#/usr/lib/numora/}
    if [[ $path =~ ^(.*)\{([^}]*)\}(.*)$ ]]; then
      IFS=, read -ra words <<< "${BASH_REMATCH[2]}"
      for word in "${words[@]}"; do echo "${BASH_REMATCH[1]}$word${BASH_REMATCH[3]}"; done
    else
      echo "$path"
    fi
  done | LC_ALL=C sort > "$work/listed"

if diff -u --label 'installed in the program folder' --label 'listed by the manual page' \
     "$work/installed" "$work/listed"; then
  echo "1 passed, 0 failed"
else
  echo "FAILED: the manual page's FILES and the program folder differ (above)"
  echo "0 passed, 1 failed"
  exit 1
fi
