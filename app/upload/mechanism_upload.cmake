# The user mechanism's upload: its picture packed, queued and written through
# the one controller link with the progress window.
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mechanism_upload.h ${CMAKE_CURRENT_LIST_DIR}/mechanism_upload.cpp
)
