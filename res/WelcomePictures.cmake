# The welcome screen's picture, drawn from its SVG source (included by res/CMakeLists.txt, which
# sets pictures and tool).
add_custom_command(OUTPUT ${pictures}/welcome.bmp
  COMMAND ${tool} bmp ${CMAKE_CURRENT_SOURCE_DIR}/pictures/welcome.svg ${pictures}/welcome.bmp
  DEPENDS ${tool} pictures/welcome.svg)
list(APPEND QX_PICTURE_OUTPUTS ${pictures}/welcome.bmp)
