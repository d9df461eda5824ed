# The monitors' plots: the y mapping, grid and labels, cursor and scale rules,
# and the drawing passes onto the plot picture.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_cursor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_plot_test.cpp
)
