# The controller simulator, the socat pseudo-terminal pair and the one way the
# transfer tests reach the simulator over either.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/simulator.h ${CMAKE_CURRENT_LIST_DIR}/simulator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_pty.h ${CMAKE_CURRENT_LIST_DIR}/simulator_pty.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_line.h ${CMAKE_CURRENT_LIST_DIR}/simulator_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_schema.h ${CMAKE_CURRENT_LIST_DIR}/simulator_schema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_mechanism.h ${CMAKE_CURRENT_LIST_DIR}/simulator_mechanism.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_pages.h ${CMAKE_CURRENT_LIST_DIR}/simulator_pages.cpp
)

# The same simulator as a program, to run by hand against Pelmora.
add_executable(pelmora_controller_sim
  ${CMAKE_CURRENT_LIST_DIR}/simulator_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator.h ${CMAKE_CURRENT_LIST_DIR}/simulator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_schema.h ${CMAKE_CURRENT_LIST_DIR}/simulator_schema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_mechanism.h ${CMAKE_CURRENT_LIST_DIR}/simulator_mechanism.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulator_pages.h ${CMAKE_CURRENT_LIST_DIR}/simulator_pages.cpp
)
target_include_directories(pelmora_controller_sim PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(pelmora_controller_sim PRIVATE pelmora_core)
