# The bit calculator: the word arithmetic and its tool window.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bit_pattern.h ${CMAKE_CURRENT_LIST_DIR}/bit_pattern.cpp
)
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calculiator.h ${CMAKE_CURRENT_LIST_DIR}/calculiator.cpp
)
