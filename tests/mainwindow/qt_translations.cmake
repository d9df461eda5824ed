# Qt's own texts in Ukrainian.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt_translations_test.cpp
)
