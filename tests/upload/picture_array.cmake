# The picture array export: its text for a fixture picture and the tool's window.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/picture_array_test.cpp
)
target_link_libraries(${PELMORA_SUITE} PRIVATE zip_gif_16_window)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/picture_array_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS PELMORA_UPLOAD_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
