# The monitors' plots: the geometry of the plot pictures, the cursor and scale
# rules, and the drawing passes onto the persistent plot picture.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_geometry.h ${CMAKE_CURRENT_LIST_DIR}/trend_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_cursor.h ${CMAKE_CURRENT_LIST_DIR}/trend_cursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_plot.h ${CMAKE_CURRENT_LIST_DIR}/trend_plot.cpp
)
