# Start-up, catalogue use, format version, main window.
target_sources(pelmora_core PRIVATE
  format_version.h format_version.cpp
  startup.h startup.cpp
)
target_sources(pelmora_ui PRIVATE
  config_scada.h config_scada.cpp
  logo.h logo.cpp
)
