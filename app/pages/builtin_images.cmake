# The pictures the program brings along (control buttons, mechanisms, menu
# items, graph windows, manometers), compiled into the core as resources so
# the page renderer can draw them without a window.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/builtin_images.h ${CMAKE_CURRENT_LIST_DIR}/builtin_images.cpp
)
file(GLOB page_control_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/controls/*.png)
qt_add_resources(pelmora_core page_control_pictures
  PREFIX "/controls"
  BASE "${PROJECT_SOURCE_DIR}/assets/controls"
  FILES ${page_control_pictures}
)
file(GLOB page_mechanism_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/mechanisms/*.png)
qt_add_resources(pelmora_core page_mechanism_pictures
  PREFIX "/mechanisms"
  BASE "${PROJECT_SOURCE_DIR}/assets/mechanisms"
  FILES ${page_mechanism_pictures}
)
