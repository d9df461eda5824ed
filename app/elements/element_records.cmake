# The element dialogs without their windows: the kinds and the one kind
# table of what varies by kind, slot choice, the binding lists, and for every
# kind its fields, the opener's prefill, Ok's store and Delete's reset.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/dialog_common.h
  ${CMAKE_CURRENT_LIST_DIR}/element_kinds.h
  ${CMAKE_CURRENT_LIST_DIR}/kind_table.h ${CMAKE_CURRENT_LIST_DIR}/kind_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slot_choice.h ${CMAKE_CURRENT_LIST_DIR}/slot_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/binding_lists.h ${CMAKE_CURRENT_LIST_DIR}/binding_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_delete.h ${CMAKE_CURRENT_LIST_DIR}/element_delete.cpp
  ${CMAKE_CURRENT_LIST_DIR}/freed_slots.h ${CMAKE_CURRENT_LIST_DIR}/freed_slots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/varning_element.h ${CMAKE_CURRENT_LIST_DIR}/varning_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signal_element.h ${CMAKE_CURRENT_LIST_DIR}/signal_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_signal_element.h ${CMAKE_CURRENT_LIST_DIR}/text_signal_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parameter_element.h ${CMAKE_CURRENT_LIST_DIR}/parameter_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_element.h ${CMAKE_CURRENT_LIST_DIR}/level_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_element.h ${CMAKE_CURRENT_LIST_DIR}/control_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transition_element.h ${CMAKE_CURRENT_LIST_DIR}/transition_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_element.h ${CMAKE_CURRENT_LIST_DIR}/menu_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_element.h ${CMAKE_CURRENT_LIST_DIR}/graph_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/figure_element.h ${CMAKE_CURRENT_LIST_DIR}/figure_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/static_text_element.h ${CMAKE_CURRENT_LIST_DIR}/static_text_element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_element.h ${CMAKE_CURRENT_LIST_DIR}/mechanism_element.cpp
)
