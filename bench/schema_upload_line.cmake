# Writing the demo schema over an emulated 115200-baud serial line, against
# the controller simulator on a socat pseudo-terminal pair.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_schema_upload_line ${CMAKE_CURRENT_LIST_DIR}/schema_upload_line_bench.cpp)
  target_link_libraries(bench_schema_upload_line PRIVATE pelmora_test_support)
  target_compile_definitions(bench_schema_upload_line PRIVATE PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")
endif()
