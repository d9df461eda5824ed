target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/numbers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp1251_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catalogue_test.cpp
)
