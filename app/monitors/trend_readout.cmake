# Reading recorded samples from a controller: request frames, answer checks and
# the request/answer cycle of the monitor windows.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_readout.h ${CMAKE_CURRENT_LIST_DIR}/trend_readout.cpp
)
