# Netlist reading and the schema import: blocks, parameters, connections.
target_sources(pelmora_core PRIVATE
  netlist_reader.h netlist_reader.cpp
  schema_import.h schema_import.cpp
  import_context.h import_context.cpp
  block_params_reader.h block_params_reader.cpp
  connections.h connections.cpp
)
