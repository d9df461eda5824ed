# The step viewer: decoding of the compiled step records into statement text.
target_sources(pelmora_core PRIVATE
  step_decoder.h step_decoder.cpp
  step_viewer_model.h step_viewer_model.cpp
)
