# Reading and importing a full schema netlist.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_netlist ${CMAKE_CURRENT_LIST_DIR}/netlist_bench.cpp)
  target_link_libraries(bench_netlist PRIVATE pelmora_test_support)
endif()
