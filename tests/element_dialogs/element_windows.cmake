# The element dialogs' windows on a stand-in main window, driven through the
# openers with the fake services.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/element_dialog_rig.h
  ${CMAKE_CURRENT_LIST_DIR}/static_text_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_frame_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_dialog_roundtrip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kind_dialogs_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_element_look_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_top_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kind_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_parts_test.cpp
)
