# A temporary control registry with the built Lumtor library registered in it,
# for every test that hosts the indicator control.
target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lumtor_registry.h ${CMAKE_CURRENT_LIST_DIR}/lumtor_registry.cpp)
target_compile_definitions(pelmora_test_support PRIVATE "LUMTOR_LIBRARY_PATH=\"$<TARGET_FILE:lumtor>\"")
add_dependencies(pelmora_test_support lumtor)
