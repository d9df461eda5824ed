# The monitors' channels, the decoding of Tesk packets and Orvo records, and their scales.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_decoding_test.cpp
)
