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
  apt-get -o DPkg::Lock::Timeout=300 purge -y -q quorvel >/dev/null
  find /usr -xdev 2>/dev/null | sort > "$after"
  if ! diff "$before" "$after"; then echo "FAIL: files left behind after purge"; exit 1; fi
  ! command -v quorvel
  echo "installed, started and purged without leftovers"
fi
