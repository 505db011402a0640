#!/usr/bin/env bash
# Puts everything the build needs in place on a Debian 12 machine (run as root). Idempotent and
# quiet when all is there: packages, mingw builds of libjpeg-turbo and libxlsxwriter made from
# Debian's own source packages (cached in build/deps), and the tests' private Wine prefixes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/build/deps
log=$root/build/setup.log
mkdir -p "$deps"
say() { echo "setup: $*" >&2; }

packages=(
  cmake ninja-build g++ gcc clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  libcminpack-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev libz-mingw-w64-dev
  wine wine64 xvfb xauth x11-utils xdotool imagemagick librsvg2-bin fonts-liberation fonts-dejavu-core fonts-wine dpkg-dev python3
  python3-openpyxl libreoffice-calc-nogui libreoffice-draw-nogui poppler-utils
  cups-daemon cups-client printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

updated=0
apt_update() { [ $updated = 1 ] || { say "apt-get update"; apt-get update -qq >>"$log" 2>&1; updated=1; }; }

if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  apt_update
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1 \
    || { echo "setup: apt-get install failed, see $log" >&2; exit 1; }
fi

# Source packages come from Debian's own archive: add a deb-src entry beside the binary one.
ensure_deb_src() {
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    say "adding Debian source entries"
    cat > /etc/apt/sources.list.d/quarvex-deb-src.sources <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    updated=0
  fi
  apt_update
}

fetch_source() { # package -> sets srcdir to the unpacked folder
  local pkg=$1
  srcdir=$(ls -d "$deps/src/$pkg"-*/ 2>/dev/null | head -n 1 || true)
  if [ -z "$srcdir" ]; then
    ensure_deb_src
    mkdir -p "$deps/src"
    (cd "$deps/src" && apt-get source -qq "$pkg" >>"$log" 2>&1) \
      || { echo "setup: apt-get source $pkg failed, see $log" >&2; exit 1; }
    srcdir=$(ls -d "$deps/src/$pkg"-*/ | head -n 1)
  fi
  srcdir=${srcdir%/}
}

toolchain=$root/cmake/mingw-w64.cmake
prefix=$deps/mingw

if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  say "building libjpeg-turbo for mingw"
  fetch_source libjpeg-turbo
  rm -rf "$deps/build-jpeg"
  cmake -S "$srcdir" -B "$deps/build-jpeg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF \
    -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR= >>"$log" 2>&1
  cmake --build "$deps/build-jpeg" --target install >>"$log" 2>&1 \
    || { echo "setup: libjpeg-turbo build failed, see $log" >&2; exit 1; }
fi

# Temporary files of the workbook go to the user's folder for temporary files (tmpfileplus
# honours the workbook's tmpdir); the C library's tmpfile() writes to the drive's root, which
# an ordinary Windows user may not write. The stamp marks a library built that way.
if [ ! -f "$prefix/lib/libxlsxwriter.a" ] || [ ! -f "$prefix/lib/.xlsxwriter-tmpdir" ]; then
  say "building libxlsxwriter for mingw"
  fetch_source libxlsxwriter
  rm -rf "$deps/build-xlsx"
  cmake -S "$srcdir" -B "$deps/build-xlsx" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DUSE_STANDARD_TMPFILE=OFF -DCMAKE_CROSSCOMPILING_EMULATOR= >>"$log" 2>&1
  cmake --build "$deps/build-xlsx" --target install >>"$log" 2>&1 \
    || { echo "setup: libxlsxwriter build failed, see $log" >&2; exit 1; }
  touch "$prefix/lib/.xlsxwriter-tmpdir"
fi

# The tests' two private Wine prefixes (the start command makes its own).
source "$root/scripts/common.sh"
ensure_wine_prefix "$wineprefix_display" framed
ensure_wine_prefix "$wineprefix_headless"
exit 0
