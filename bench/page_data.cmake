# Encoding a full SCADA page: picture, element tables and packets.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_page_data ${CMAKE_CURRENT_LIST_DIR}/page_data_bench.cpp)
  target_link_libraries(bench_page_data PRIVATE pelmora_test_support)
endif()
