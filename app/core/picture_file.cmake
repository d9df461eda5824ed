# Reading the picture files a project names (page backgrounds, button
# pictures, mechanism phases), refusing damaged and cut-short ones.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/picture_file.h ${CMAKE_CURRENT_LIST_DIR}/picture_file.cpp
)
