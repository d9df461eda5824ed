# Trend files: reading and writing both layouts, and the file menus' save and open.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/../core/model/monitor_tables.h
  ${CMAKE_CURRENT_LIST_DIR}/trend_file.h ${CMAKE_CURRENT_LIST_DIR}/trend_file.cpp
)
