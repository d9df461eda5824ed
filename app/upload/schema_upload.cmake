# The schema upload: frames built from the model, the step machine, and the
# menu and timer handlers with the progress window.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/schema_frames.h ${CMAKE_CURRENT_LIST_DIR}/schema_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/schema_stepper.h ${CMAKE_CURRENT_LIST_DIR}/schema_stepper.cpp
)
target_sources(pelmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/schema_upload.h ${CMAKE_CURRENT_LIST_DIR}/schema_upload.cpp
)
