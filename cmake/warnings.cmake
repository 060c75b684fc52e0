# The warnings every target of ours compiles with, in one place. CMAKE_COMPILE_WARNING_AS_ERROR
# (set by the presets where CI=true) turns them into errors.
add_library(trimwise_warnings INTERFACE)
target_compile_options(trimwise_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
# Every target made from here on links it; the imported ones of Qt and GoogleTest do not.
link_libraries(trimwise_warnings)
