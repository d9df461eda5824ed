# Hosting of controls that live in libraries loaded at run time (the Lumtor
# indicator). The widget that contains a hosted control is in app/ui.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/hosted_control.h ${CMAKE_CURRENT_LIST_DIR}/hosted_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_sink.h ${CMAKE_CURRENT_LIST_DIR}/event_sink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_host.h ${CMAKE_CURRENT_LIST_DIR}/control_host.cpp
)
# The contract with control libraries (entry points, control registry file):
# headers only, so nothing of a control library is linked.
target_include_directories(pelmora_core PRIVATE ${PROJECT_SOURCE_DIR}/control/platform)
