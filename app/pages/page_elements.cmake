# The page elements: kinds and index rules, the controls that show them, their
# control arrays and templates, the mouse adapter, the built-in pictures as the
# views show them (the images are the core's, builtin_images.cmake).
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
