# The text preview window's benchmark (Qt offscreen): a keystroke in its text line.
if(TARGET gft_ui)
  find_package(benchmark REQUIRED)
  add_executable(bench_text_preview ${CMAKE_CURRENT_LIST_DIR}/bench_text_preview.cpp)
  target_compile_definitions(bench_text_preview PRIVATE GFT_SAMPLE_FONT="${CMAKE_SOURCE_DIR}/data/sample.fnt")
  target_link_libraries(bench_text_preview PRIVATE gft_ui gft_bench_support)
endif()
