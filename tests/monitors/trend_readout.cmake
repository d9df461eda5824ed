# Readout of recorded samples: request frames, answer checks, the request/answer cycle.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_readout_test.cpp
)
