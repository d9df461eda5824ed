# The ALGORITHM memory editor window.
target_sources(pelmora_ui PRIVATE
  mem_algorithm.h mem_algorithm.cpp
)
