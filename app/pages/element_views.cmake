# The one routine that shows an element's view from its record.
target_sources(pelmora_ui PRIVATE
  element_views.h element_views.cpp
)
