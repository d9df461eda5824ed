# Reading and importing a full schema netlist.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_netlist ${CMAKE_CURRENT_LIST_DIR}/netlist_bench.cpp)
  target_link_libraries(bench_netlist PRIVATE pelmora_test_support)
endif()

# A libFuzzer target for the netlist reading and the import (clang only). For
# coverage inside the core, configure with
# -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address and run
#   bench/fuzz_netlist -max_total_time=600 <corpus dir>
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_executable(fuzz_netlist ${CMAKE_SOURCE_DIR}/fuzz/netlist_fuzz.cpp)
  target_compile_options(fuzz_netlist PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_netlist PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_netlist PRIVATE pelmora_core)
endif()
