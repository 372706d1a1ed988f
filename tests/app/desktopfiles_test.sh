#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the man page pass their validators, and
# the program answers --help, --version and a misspelt option without opening a window.
set -u
prog=$1
src=$(cd "$(dirname "$0")/../.." && pwd)
desk=$src/app/desktop
passed=0; failed=0
check() { # name command...
  local name=$1; shift
  if out=$("$@" 2>&1); then passed=$((passed + 1)); echo "ok   $name"
  else failed=$((failed + 1)); echo "FAIL $name"; echo "$out" | sed 's/^/     /'; fi
}
check "desktop entry" desktop-file-validate "$desk/org.example.quorvel.desktop"
check "metainfo" appstreamcli validate --no-net --pedantic "$desk/org.example.quorvel.metainfo.xml"
check "man page" bash -c "LC_ALL=C.UTF-8 groff -k -man -ww -z -Tutf8 '$desk/quorvel.1' 2>&1 | (! grep .)"
check "icon sizes" bash -c "for s in 16 22 24 32 48 64 128 256; do
  identify -format '%w %h' '$desk/icons/quorvel-'\$s.png | grep -qx \"\$s \$s\" || exit 1; done"
check "--version" bash -c "'$prog' --version | grep -qx 'Quorvel [0-9.]*'"
check "--help" bash -c "'$prog' --help | grep -q -- '--version' && '$prog' -h | grep -q '^Aufruf: quorvel'"
check "unknown option" bash -c "'$prog' --bunt >/dev/null 2>&1; [ \$? -eq 2 ] &&
  '$prog' --bunt 2>&1 >/dev/null | grep -q \"unbekannte Option '--bunt'\""
check "desktop Exec is the installed command" grep -qx 'Exec=quorvel' "$desk/org.example.quorvel.desktop"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
