# Names of the files the file dialogs hand back.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/file_names_test.cpp
)
