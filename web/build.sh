#!/usr/bin/env bash
# Builds Korvel for the browser into build-web/ at the top of the repository
# (or into the folder given as the first argument): the page index.html, its
# script and style, the JavaScript module korvel.mjs that exports
# createKorvel(), and the WebAssembly module it loads. The compilation tree
# is build-wasm/ beside it (or KORVEL_WASM_TREE).
#
# Needs Debian's emscripten (emcc, em++, emcmake), node-acorn for its
# optimizer, and cmake.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="${1:-$ROOT/build-web}"
TREE="${KORVEL_WASM_TREE:-$(dirname "$OUT")/build-wasm}"
JOBS="${KORVEL_JOBS:-2}"

export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
# Debian's emscripten ships its system libraries prebuilt in a read-only
# cache, which is all the build reads. Only a cache that holds no libraries
# and cannot be written is replaced by one in the compilation tree, where the
# first build then compiles them.
if [ -z "${EM_CACHE:-}" ]; then
  SYSTEMCACHE="$(em-config CACHE 2>/dev/null || true)"
  if [ ! -w "$SYSTEMCACHE" ] && [ ! -f "$SYSTEMCACHE/sysroot/lib/wasm32-emscripten/libc.a" ]; then
    export EM_CACHE="$TREE/emcache"
  fi
fi

# C++ exceptions are caught only where the program catches them: the main
# loop catches the bound of the braid record, the glue the same bound for
# the pictures. Every other function lets an exception pass straight
# through, which keeps the computations as fast as without exceptions.
CATCHING="-sEXCEPTION_CATCHING_ALLOWED=_ZN5shell9RUNKORVELEb,KORVELPICTURE,KORVELSYMMETRICWORD"

emcmake cmake -S "$ROOT" -B "$TREE" -DCMAKE_BUILD_TYPE=Release \
  -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF -DKORVEL_FUZZ=OFF -DKORVEL_SANITIZE=OFF \
  -DKORVEL_READLINE=OFF -DKORVEL_WEB=OFF -DKORVEL_PYTHON=OFF "-DCMAKE_CXX_FLAGS=$CATCHING" >/dev/null
cmake --build "$TREE" --target korvelweb -j "$JOBS"

mkdir -p "$OUT"
cp "$TREE/web/korvel-core.mjs" "$TREE/web/korvel-core.wasm" "$OUT/"
for FILE in index.html korvel.css korvel.mjs page.mjs worker.mjs transcript.mjs; do
  cp "$ROOT/web/$FILE" "$OUT/"
done
echo "Built the page into $OUT"
