# The page elements: kinds and index rules, the controls that show them, their
# control arrays and templates, the mouse adapter, the built-in pictures
# (compiled in as resources).
target_sources(pelmora_core PRIVATE
  element_kinds.h
  page_rules.h page_rules.cpp
)
target_sources(pelmora_ui PRIVATE
  control_array.h
  page_controls.h page_controls.cpp
  mouse_adapter.h mouse_adapter.cpp
  builtin_pictures.h builtin_pictures.cpp
  page_elements.h page_elements.cpp
)
file(GLOB page_control_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/controls/*.png)
qt_add_resources(pelmora_ui page_control_pictures
  PREFIX "/controls"
  BASE "${PROJECT_SOURCE_DIR}/assets/controls"
  FILES ${page_control_pictures}
)
file(GLOB page_mechanism_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/mechanisms/*.png)
qt_add_resources(pelmora_ui page_mechanism_pictures
  PREFIX "/mechanisms"
  BASE "${PROJECT_SOURCE_DIR}/assets/mechanisms"
  FILES ${page_mechanism_pictures}
)
