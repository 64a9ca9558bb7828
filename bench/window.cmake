# The windows' benchmarks (Qt offscreen): the main window's share of a redraw,
# and a keystroke in the text preview's text line.
if(TARGET gft_ui)
  find_package(benchmark REQUIRED)
  foreach(name bench_window bench_text_preview)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    target_compile_definitions(${name} PRIVATE GFT_SAMPLE_FONT="${CMAKE_SOURCE_DIR}/data/sample.fnt")
    target_link_libraries(${name} PRIVATE gft_ui gft_bench_support)
  endforeach()
endif()
