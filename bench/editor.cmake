# The character editor window (Qt offscreen): opening a 255 x 255 glyph, a
# whole-grid redraw and a one-pixel edit, with the area each one paints.
if(TARGET gft_ui)
  find_package(benchmark REQUIRED)
  add_executable(bench_editor ${CMAKE_CURRENT_LIST_DIR}/bench_editor.cpp)
  target_link_libraries(bench_editor PRIVATE gft_ui benchmark::benchmark)
endif()
