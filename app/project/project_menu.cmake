# The file menu's save and open items.
target_sources(pelmora_ui PRIVATE
  project_menu.h project_menu.cpp
)
