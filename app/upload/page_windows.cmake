# Writing SCADA pages from the main window: the menu items and the sender's
# timer with the progress window, and the range window with its two one-shot
# timers.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/scada_upload.h ${CMAKE_CURRENT_LIST_DIR}/scada_upload.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_n_scada.h ${CMAKE_CURRENT_LIST_DIR}/save_n_scada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shown_page_views.h ${CMAKE_CURRENT_LIST_DIR}/shown_page_views.cpp
)
