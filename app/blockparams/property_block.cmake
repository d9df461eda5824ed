# The block parameter dialog and its model.
target_sources(pelmora_ui PRIVATE
  property_block.h property_block.cpp
)
