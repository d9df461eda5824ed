# The picture array export: the text of a packed picture in pelmora_core, and
# the tool "ZIP Image GIF" that shows it, a developer's program of its own
# (zip_gif_16); nothing in the configurator opens its window.
target_sources(pelmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/picture_array.h ${CMAKE_CURRENT_LIST_DIR}/picture_array.cpp
)
add_library(zip_gif_16_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/zip_gif_16/zip_gif_16.h ${CMAKE_CURRENT_LIST_DIR}/zip_gif_16/zip_gif_16.cpp
)
target_link_libraries(zip_gif_16_window PUBLIC pelmora_ui)
add_executable(zip_gif_16 ${CMAKE_CURRENT_LIST_DIR}/zip_gif_16/main.cpp)
target_link_libraries(zip_gif_16 PRIVATE zip_gif_16_window)
