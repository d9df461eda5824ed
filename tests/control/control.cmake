# The Lumtor indicator control, tested through the program's hosting layer the
# way Pelmora uses it: registered, created by ProgID, loaded at run time.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lumtor_drawing.h ${CMAKE_CURRENT_LIST_DIR}/lumtor_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lumtor_shapes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lumtor_properties_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lumtor_events_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lumtor_placement_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_registration_test.cpp
)
target_compile_definitions(${PELMORA_SUITE} PRIVATE
  "LUMTOR_LIBRARY_PATH=\"$<TARGET_FILE:lumtor>\""
  "LUMTOR_REGISTER_TOOL=\"$<TARGET_FILE:lumtor-register>\""
  "PELMORA_EXECUTABLE_PATH=\"$<TARGET_FILE:pelmora>\"")
add_dependencies(${PELMORA_SUITE} lumtor lumtor-register pelmora)
# The registration tool is a program the tests run: in the test build it
# carries the same sanitizer settings as the test programs (leak reports on,
# with the suppressions compiled in).
target_link_libraries(lumtor-register PRIVATE pelmora_sanitizer_options)
