# The monitors' channels and the decoding of the readout answers into samples:
# the Tesk packets and the Orvo sample records with their analog scales.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_channels.h ${CMAKE_CURRENT_LIST_DIR}/trend_channels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_decoding.h ${CMAKE_CURRENT_LIST_DIR}/trend_decoding.cpp
)
