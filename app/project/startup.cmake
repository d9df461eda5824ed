# Start-up and format version.
target_sources(pelmora_core PRIVATE
  format_version.h format_version.cpp
  startup.h startup.cpp
)
