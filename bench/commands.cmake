# Glyph-set commands: the height gap and block copy against memcpy of the same bytes.
find_package(benchmark REQUIRED)
add_executable(bench_commands ${CMAKE_CURRENT_LIST_DIR}/bench_commands.cpp)
target_link_libraries(bench_commands PRIVATE gft_core benchmark::benchmark)
