# The project menus while a transfer holds the link: a page range written into
# the controller simulator with the settings dialog and the project items used.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/project_while_transfer_test.cpp
)
