# The user mechanism's picture: byte-exact packing, packets and array text,
# and its upload end to end against the controller simulator.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_packing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_upload_test.cpp
)
