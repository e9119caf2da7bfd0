#!/usr/bin/env bash
# Installs the build into a temporary prefix, then configures, builds and runs
# a separate project that finds the package there and links Veltor::meters.
#   install_test.sh BUILD_DIR CONSUMER_SOURCE_DIR
set -u
build="$1"
consumer="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log" || { cat "$work/install.log"; fail "install"; }
[ -f "$work/prefix/include/veltor/meters/meter270.h" ] || fail "headers under include/veltor/<folder>"
ls "$work/prefix"/lib*/libveltor_meters.a > /dev/null 2>&1 || fail "static libraries installed"
ls "$work/prefix"/lib*/cmake/Veltor/VeltorConfigVersion.cmake > /dev/null 2>&1 || fail "version file installed"

launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
gen=()
if command -v ninja > /dev/null; then gen=(-G Ninja); fi
cmake -S "$consumer" -B "$work/build" "${gen[@]}" "${launcher[@]}" -DCMAKE_PREFIX_PATH="$work/prefix" \
  > "$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "consumer configure"; }
cmake --build "$work/build" > "$work/build.log" 2>&1 || { cat "$work/build.log"; fail "consumer build"; }
QT_QPA_PLATFORM=offscreen "$work/build/consumer" || fail "consumer run"

# A package of another minor version is refused.
sed 's/find_package(Veltor 0.2 /find_package(Veltor 0.1 /' "$consumer/CMakeLists.txt" > "$work/CMakeLists.txt"
mkdir "$work/old" && cp "$work/CMakeLists.txt" "$consumer/main.cpp" "$work/old/"
cmake -S "$work/old" -B "$work/oldbuild" "${gen[@]}" -DCMAKE_PREFIX_PATH="$work/prefix" > /dev/null 2>&1 \
  && fail "a request for 0.1 must not take 0.2"
echo "installed package: all checks passed"
