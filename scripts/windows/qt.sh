#!/usr/bin/env bash
# Builds Qt for Windows (Core, Gui, Widgets, Test and the Windows platform plugin; shared,
# release) from Debian's own qt6-base source, once, into a cache folder outside the clone, and
# prints that folder. The folder is named after Qt's version; a build is reused while the stamp
# in it matches the source version and the options below, and made again otherwise.
#
# KINEMORA_WINDOWS_QT names another folder; KINEMORA_BUILD_JOBS caps the parallel jobs.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"

# The host tools (moc, rcc, uic) run during Qt's build and Kinemora's, and must be of the very
# version built, so the source is fetched at the installed tools' Debian version.
deb_version="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"
qt_version="${deb_version%%+*}"
qt_version="${qt_version%%-*}"
prefix="${KINEMORA_WINDOWS_QT:-/var/cache/kinemora/qt-${qt_version}-mingw64}"
jobs="${KINEMORA_BUILD_JOBS:-$(nproc)}"

# Tablet events need the wintab headers, which Debian's source leaves out. direct2d stays at
# Qt's default: the DirectWrite font database is built only with it.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF -DFEATURE_pkg_config=OFF
)
stamp_text="qt6-base ${deb_version}; ${options[*]}"
stamp="$prefix/kinemora-qt.stamp"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
  echo "$prefix"
  exit 0
fi

echo "Building Qt ${qt_version} for Windows into $prefix (once; about 15 minutes on 2 cores)" >&2
work="$(mktemp -d /var/tmp/kinemora-qt.XXXXXX)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq "qt6-base=${deb_version}" >/dev/null 2>"$work/source.log") ||
  { cat "$work/source.log" >&2; exit 1; }
source_dir="$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"

rm -rf "$prefix"
host_cmake="$(dirname "$(find /usr/lib -path "*/cmake/Qt6HostInfo" -type d -print -quit)")"
cmake -S "$source_dir" -B "$work/build" -G Ninja --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" "${options[@]}" \
  >"$work/configure.log" 2>&1 || { tail -60 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$jobs" >"$work/build.log" 2>&1 ||
  { grep -B5 -A20 -m3 'error' "$work/build.log" >&2 || tail -60 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
# The licence texts of Qt and of the parts it bundles (Debian's copyright file names each part),
# and which source this build came from, for the notices shipped with the DLLs.
mkdir -p "$prefix/licenses"
cp -r "$source_dir/LICENSES" "$prefix/licenses/qt"
cp "$source_dir/debian/copyright" "$prefix/licenses/qt/debian-copyright.txt"
echo "qt6-base ${deb_version}" >"$prefix/licenses/qt/source-version.txt"
echo "$stamp_text" >"$stamp"
echo "$prefix"
