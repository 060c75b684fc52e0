#!/bin/sh
# The native reader and its WebAssembly build, run under Node's WASI, print the same lines.
#   same_reading.sh <trimwise-read-numbers> <trimwise-read-numbers.wasm>
set -eu
native=$("$1")
wasm=$(node --no-warnings -e '
const { WASI } = require("node:wasi");
const wasi = new WASI({ version: "preview1" });
WebAssembly.instantiate(require("node:fs").readFileSync(process.argv[1]), wasi.getImportObject())
  .then(({ instance }) => wasi.start(instance));' "$2")
if [ "$native" != "$wasm" ]; then
    printf '%s\n' "$native" > native.txt
    printf '%s\n' "$wasm" > wasm.txt
    diff -u native.txt wasm.txt || true
    echo "the WebAssembly build reads numbers otherwise than the native one" >&2
    exit 1
fi
printf '%s\n' "$native" | wc -l | xargs printf 'both read the same %s numbers\n'
