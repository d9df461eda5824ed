# The bit calculator: word arithmetic and the tool window.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calculiator_test.cpp
)
