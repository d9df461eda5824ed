# The dialogs of the banner, control button (with its picture picker), menu
# item, graph window, figure and static text, and their openers with the
# clock's deletion.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frame_openers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/varning.h ${CMAKE_CURRENT_LIST_DIR}/varning.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_control.h ${CMAKE_CURRENT_LIST_DIR}/image_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_scada.h ${CMAKE_CURRENT_LIST_DIR}/menu_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grafik_scada.h ${CMAKE_CURRENT_LIST_DIR}/grafik_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/figura.h ${CMAKE_CURRENT_LIST_DIR}/figura.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_label.h ${CMAKE_CURRENT_LIST_DIR}/text_label.cpp
)
