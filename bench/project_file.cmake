# Saving and opening a full 16-page project.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_project_file ${CMAKE_CURRENT_LIST_DIR}/project_file_bench.cpp)
  target_link_libraries(bench_project_file PRIVATE pelmora_test_support)
  target_compile_definitions(bench_project_file PRIVATE PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")
endif()
