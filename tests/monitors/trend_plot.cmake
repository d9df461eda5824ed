# The monitors' plots: the y mapping, grid and labels, cursor and scale rules,
# the drawing passes onto the plot picture, and trend files with values the
# scales cannot place.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_cursor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_plot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_edge_values_test.cpp
)
