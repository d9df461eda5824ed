# The page editor: insert items, canvas events, blink preview, page settings
# the grid and page dialogs, and the restoring of an opened project's elements.
target_sources(pelmora_ui PRIVATE
  page_editor.h page_editor.cpp
  page_editor_views.cpp
  page_dialogs.h page_dialogs.cpp
  page_restore.h page_restore.cpp
)
