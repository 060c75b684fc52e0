# Compiles C++20 to WebAssembly for the browser page with Debian's own packages: clang-19 and
# lld-19 (wasm-ld), wasi-libc, and libc++ 19 for wasm32. Debian lays them out under /usr, in
# include/wasm32-wasi and lib/wasm32-wasi, which is where clang looks in a sysroot of /usr.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's libc++ for wasm32 is built without exceptions. wasm-ld finds lld-19's own
# linker through clang's program path.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
