# Edit > Transform on the largest font a file holds, against the redraw alone.
add_executable(bench_transforms ${CMAKE_CURRENT_LIST_DIR}/bench_transforms.cpp)
target_link_libraries(bench_transforms PRIVATE gft_bench_support)
