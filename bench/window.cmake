# The main window's benchmark (Qt offscreen): the window's share of a redraw.
if(TARGET gft_ui)
  find_package(benchmark REQUIRED)
  add_executable(bench_window ${CMAKE_CURRENT_LIST_DIR}/bench_window.cpp)
  target_compile_definitions(bench_window PRIVATE GFT_SAMPLE_FONT="${CMAKE_SOURCE_DIR}/data/sample.fnt")
  target_link_libraries(bench_window PRIVATE gft_ui gft_bench_support)
endif()
