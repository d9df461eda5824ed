# Names of the files the file dialogs hand back.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/file_names.h ${CMAKE_CURRENT_LIST_DIR}/file_names.cpp
)
