target_sources(pelmora_test_support PRIVATE ${CMAKE_CURRENT_LIST_DIR}/schema_fixture.cpp)
