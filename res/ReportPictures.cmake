# Pictures of the report, export, page set-up and printing resources (included by
# res/CMakeLists.txt, which sets pictures and tool): the page set-up's orientation icons.
foreach(name page-portrait page-landscape)
  add_custom_command(OUTPUT ${pictures}/${name}.ico
    COMMAND ${tool} ico ${CMAKE_CURRENT_SOURCE_DIR}/pictures/${name}.svg ${pictures}/${name}.ico
    DEPENDS ${tool} pictures/${name}.svg)
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/${name}.ico)
endforeach()
