# Pictures of the fit dialogs (included by res/CMakeLists.txt; ${pictures} and ${tool} come from
# there): the icons of the grid's Copy and Paste buttons, drawn as SVG.
foreach(icon copy paste)
  add_custom_command(OUTPUT ${pictures}/fit_${icon}.ico
    COMMAND ${tool} ico ${CMAKE_CURRENT_SOURCE_DIR}/pictures/fits/${icon}.svg ${pictures}/fit_${icon}.ico
    DEPENDS ${tool} pictures/fits/${icon}.svg)
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/fit_${icon}.ico)
endforeach()
