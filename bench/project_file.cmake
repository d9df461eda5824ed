# Saving and opening a full 16-page project.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_project_file ${CMAKE_CURRENT_LIST_DIR}/project_file_bench.cpp)
  target_link_libraries(bench_project_file PRIVATE pelmora_test_support)
  target_compile_definitions(bench_project_file PRIVATE PELMORA_EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")
endif()

# A libFuzzer target for the project file reader (clang only); run it as
#   bench/fuzz_project_file -max_total_time=600 <corpus dir>
# with a corpus of saved project files (tests/project/data holds one).
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_executable(fuzz_project_file ${CMAKE_SOURCE_DIR}/fuzz/project_file_fuzz.cpp)
  target_compile_options(fuzz_project_file PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_project_file PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_project_file PRIVATE pelmora_core)
endif()
