# The schema upload: byte-exact frames, the step machine, and the upload end
# to end against the controller simulator.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/schema_frames_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_stepper_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_schedules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_upload_test.cpp
)
