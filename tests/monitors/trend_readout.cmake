# Readout of recorded samples: request frames, answer checks, the request/answer
# cycle with its bounded waits and refusals, and the readout against the
# controller simulator over a socat pseudo-terminal pair.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_readout_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readout_schedules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_readout_pty_test.cpp
)
