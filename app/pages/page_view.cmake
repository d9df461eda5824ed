# The SCADA view: page tabs, page canvases, exit pictures, blink timer.
target_sources(pelmora_ui PRIVATE
  page_view.h page_view.cpp
)
