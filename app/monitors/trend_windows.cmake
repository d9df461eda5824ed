# The two trend monitor windows: the Tesk monitor and the Orvo I/O monitor,
# their plot widgets and the readout's timers on the program's link.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/monitor_widgets.h ${CMAKE_CURRENT_LIST_DIR}/monitor_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monitor_window.h ${CMAKE_CURRENT_LIST_DIR}/monitor_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grafik_new.h ${CMAKE_CURRENT_LIST_DIR}/grafik_new.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grafik_new_orvo_io.h ${CMAKE_CURRENT_LIST_DIR}/grafik_new_orvo_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monitor_menu.h ${CMAKE_CURRENT_LIST_DIR}/monitor_menu.cpp
)
