# Pictures for the mechanism packing and upload tests.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_pictures.h ${CMAKE_CURRENT_LIST_DIR}/mechanism_pictures.cpp
)
