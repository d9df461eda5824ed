# The project file: its layout, writer and reader.
target_sources(pelmora_core PRIVATE
  project_file.h project_file_layout.h
  project_file_writer.cpp project_file_reader.cpp
)
