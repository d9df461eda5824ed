# The trend readouts (Orvo and Tesk) from the controller simulator over an
# emulated 115200-baud serial line, against the wire time of their requests
# and answers.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_trend_readout ${CMAKE_CURRENT_LIST_DIR}/trend_readout_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/widget_bench_main.cpp)
  target_link_libraries(bench_trend_readout PRIVATE pelmora_test_support)
endif()
