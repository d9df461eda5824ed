# Trend files: both layouts written and read back, bad files, the save and open menus.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/trend_file_test.cpp
)
