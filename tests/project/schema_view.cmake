target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/schema_drawing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_project_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_project_test.cpp
)
