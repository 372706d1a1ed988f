#!/usr/bin/env bash
# Builds the Debian package build-deb/quorvel_<version>_amd64.deb (program and sound
# library only, no tests) and checks it with lintian.
#   bash tools/package.sh            build, pack, lintian
#   bash tools/package.sh --install  also install it, run it once, purge it and check
#                                    that nothing of it is left (needs root)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
for p in lintian dpkg-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends "$p"
done
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls -t build-deb/quorvel_*_amd64.deb | head -n 1)
echo "package: $deb ($(du -h "$deb" | cut -f1))"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
echo "--- lintian"
# Tags the packaging files explain are overridden there (app/packaging/lintian-overrides).
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no errors, no warnings"

if [ "${1:-}" = --install ]; then
  before=$(mktemp); after=$(mktemp)
  find /usr -xdev 2>/dev/null | sort > "$before"
  apt-get -o DPkg::Lock::Timeout=300 install -y -q "./$deb" >/dev/null
  command -v quorvel
  quorvel --version
  out=$(mktemp -d)
  XDG_DATA_HOME=$out DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy \
    timeout 5 xvfb-run -a quorvel && true
  test -f /usr/share/applications/org.example.quorvel.desktop
  # The class folder: root and the group quorvel, set-group-ID, group-writable.
  class="/var/lib/quorvel/Programme/Quorvel V1.5"
  test "$(stat -c '%a %U %G' "$class")" = "2775 root quorvel"
  echo "class folder: $(stat -c '%a %U:%G' "$class") $class"
  echo "Quorvel-Fehlerkartei 1" > "$class/Probe.qvf"
  test "$(stat -c %G "$class/Probe.qvf")" = quorvel
  # Removing keeps the pupils' files, purging deletes them.
  apt-get -o DPkg::Lock::Timeout=300 remove -y -q quorvel >/dev/null
  test -f "$class/Probe.qvf" || { echo "FAIL: remove deleted the pupils' files"; exit 1; }
  echo "removed: the pupils' files are kept"
  apt-get -o DPkg::Lock::Timeout=300 install -y -q "./$deb" >/dev/null
  apt-get -o DPkg::Lock::Timeout=300 purge -y -q quorvel >/dev/null
  test ! -e /var/lib/quorvel || { echo "FAIL: purge left /var/lib/quorvel"; exit 1; }
  echo "purged: the class folder is gone"
  find /usr -xdev 2>/dev/null | sort > "$after"
  if ! diff "$before" "$after"; then echo "FAIL: files left behind after purge"; exit 1; fi
  # (The shell remembers where it found quorvel; forget that before asking again.)
  hash -r
  if command -v quorvel >/dev/null; then echo "FAIL: quorvel is still installed"; exit 1; fi
  echo "installed, started and purged without leftovers"
fi
