# Stored font names mapped to the installed font families.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/font_families.h ${CMAKE_CURRENT_LIST_DIR}/font_families.cpp
)
