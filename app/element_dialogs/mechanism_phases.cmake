# The user mechanism's phase editor window.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanizm_window.h ${CMAKE_CURRENT_LIST_DIR}/mechanizm_window.cpp
)
