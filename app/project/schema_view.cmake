# The schema view, the view switch, the netlist menu command and the project
# settings dialog; the block pictures compiled in as resources.
target_sources(pelmora_core PRIVATE
  schema_drawing.h schema_drawing.cpp
  config_project_model.h config_project_model.cpp
)
target_sources(pelmora_ui PRIVATE
  schema_view.h schema_view.cpp
  config_project.h config_project.cpp
)
file(GLOB block_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/blocks/block_*.png)
qt_add_resources(pelmora_ui block_pictures
  PREFIX "/blocks"
  BASE "${PROJECT_SOURCE_DIR}/assets/blocks"
  FILES ${block_pictures}
)
