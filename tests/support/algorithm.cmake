target_sources(pelmora_test_support PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/flowchart_builder.h
  ${CMAKE_CURRENT_LIST_DIR}/flowchart_builder.cpp
)
