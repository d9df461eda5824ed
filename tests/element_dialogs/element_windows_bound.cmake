# The dialogs of the kinds with packed fields, driven through their openers
# on the demo project.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bound_dialogs_test.cpp
)
