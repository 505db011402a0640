# Pictures of the shell's resources: tool-bar strips, menu pictures and the document icon, drawn
# from their SVG sources (included by res/CMakeLists.txt, which sets pictures and tool).
foreach(name toolbar-main toolbar-menu toolbar-dropdown manuals movies)
  add_custom_command(OUTPUT ${pictures}/${name}.bmp
    COMMAND ${tool} bmp ${CMAKE_CURRENT_SOURCE_DIR}/pictures/${name}.svg ${pictures}/${name}.bmp
    DEPENDS ${tool} pictures/${name}.svg)
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/${name}.bmp)
endforeach()
add_custom_command(OUTPUT ${pictures}/quarvexdoc.ico
  COMMAND ${tool} ico ${CMAKE_CURRENT_SOURCE_DIR}/pictures/quarvexdoc.svg ${pictures}/quarvexdoc.ico
  DEPENDS ${tool} pictures/quarvexdoc.svg)
list(APPEND QX_PICTURE_OUTPUTS ${pictures}/quarvexdoc.ico)
