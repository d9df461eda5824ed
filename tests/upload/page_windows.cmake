# Writing pages from the menu items: the sender's timer, the progress window,
# the range window and its timers, end to end against the controller simulator.
target_sources(${PELMORA_SUITE} PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/scada_upload_test.cpp
)
