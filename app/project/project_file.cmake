# The project file: its layout, writer and reader, and the file on disk.
target_sources(pelmora_core PRIVATE
  project_file.h project_file_layout.h
  project_file_writer.cpp project_file_reader.cpp
  project_file_disk.h project_file_disk.cpp
  project_changes.h project_changes.cpp
)
