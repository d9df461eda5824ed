# Printing of the memory tables: the layout on any printing surface, and the
# surface of the system's printer.
target_sources(pelmora_core PRIVATE
  grid_print.h grid_print.cpp
)
target_sources(pelmora_ui PRIVATE
  qt_print_surface.h qt_print_surface.cpp
)
