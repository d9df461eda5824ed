# ALGORITHM compiler: step records, statement compilers, flowchart import and
# the right press on an ALGORITHM block that starts it.
target_sources(pelmora_core PRIVATE
  alg_statement_text.h alg_statement_text.cpp
  alg_step_record.h alg_step_record.cpp
  alg_operand.h alg_operand.cpp
  alg_actions.h alg_actions.cpp
  alg_condition.h alg_condition.cpp
  alg_flowchart_import.h alg_flowchart_import.cpp
  alg_block_mouse_down.h alg_block_mouse_down.cpp
)
