# The user mechanism's packed picture: palette, code stream, size trailer and
# its 'D' packets.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_packing.h ${CMAKE_CURRENT_LIST_DIR}/mechanism_packing.cpp
)
