# Pictures of the side bar (included by res/CMakeLists.txt; ${pictures} and ${tool} come from
# there): the criteria's formulas, black on magenta, and the pick buttons' icons.
set(sidebar_sources ${CMAKE_CURRENT_SOURCE_DIR}/pictures/sidebar)
foreach(formula hoek_brown mohr_coulomb mohr_coulomb_shear barton_bandis power_curve
                power_curve_nd)
  add_custom_command(OUTPUT ${pictures}/formula_${formula}.bmp
    COMMAND ${tool} mask ${sidebar_sources}/formula_${formula}.svg ${pictures}/formula_${formula}.bmp
    DEPENDS ${tool} ${sidebar_sources}/formula_${formula}.svg)
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/formula_${formula}.bmp)
endforeach()
foreach(icon normal hot)
  add_custom_command(OUTPUT ${pictures}/pick_${icon}.ico
    COMMAND ${tool} ico ${sidebar_sources}/pick_${icon}.svg ${pictures}/pick_${icon}.ico
    DEPENDS ${tool} ${sidebar_sources}/pick_${icon}.svg)
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/pick_${icon}.ico)
endforeach()
