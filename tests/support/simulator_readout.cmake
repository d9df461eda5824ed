# The controller simulator's trend readout: 0x50 requests answered with 125 registers.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/simulator_readout.h ${CMAKE_CURRENT_LIST_DIR}/simulator_readout.cpp
)
# The program runs it too (simulator.cmake, listed before this file, makes it).
target_sources(pelmora_controller_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/simulator_readout.h ${CMAKE_CURRENT_LIST_DIR}/simulator_readout.cpp
)
