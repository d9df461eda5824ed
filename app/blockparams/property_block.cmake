# The block parameter dialog and the Modbus request dialog: their row tables
# and editing rules (core) and their windows.
target_sources(pelmora_core PRIVATE
  param_rows.h param_rows.cpp
  param_store.h param_store.cpp
  modbus_rows.h modbus_rows.cpp
)
target_sources(pelmora_ui PRIVATE
  property_block.h property_block.cpp
  com_terminal.h com_terminal.cpp
)
