# Drawing and encoding a full page, and writing a page over an emulated
# 115200-baud serial line against its wire time.
if(TARGET pelmora_test_support)
  pelmora_add_benchmark(bench_page_upload ${CMAKE_CURRENT_LIST_DIR}/page_upload_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/widget_bench_main.cpp)
  target_link_libraries(bench_page_upload PRIVATE pelmora_test_support)
endif()
