# The step viewer: decoding of the compiled step records into statement text;
# the rules of the set-point tables.
target_sources(pelmora_core PRIVATE
  memory_rules.h memory_rules.cpp
  step_decoder.h step_decoder.cpp
  step_viewer_model.h step_viewer_model.cpp
)
