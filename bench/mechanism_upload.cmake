# "GIF у Orvo": a mechanism phase written into the controller simulator over an
# emulated 115200-baud serial line, against the wire time of its packets.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_mechanism_upload ${CMAKE_CURRENT_LIST_DIR}/mechanism_upload_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/widget_bench_main.cpp)
  target_link_libraries(bench_mechanism_upload PRIVATE pelmora_test_support)
endif()
