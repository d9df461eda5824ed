# A schema upload over a TCP client link that was never connected.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tcp_on_demand_test.cpp
)
