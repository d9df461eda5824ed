# The block pictures compiled into the program.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/block_pictures_test.cpp
)
