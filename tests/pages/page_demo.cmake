# A tool that opens a project file and saves a picture of one of its pages.
add_executable(pelmora_page_demo ${CMAKE_CURRENT_LIST_DIR}/page_demo.cpp)
target_link_libraries(pelmora_page_demo PRIVATE pelmora_test_support)
