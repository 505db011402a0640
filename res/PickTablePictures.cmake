# Pictures of the reference pick dialogs (included by res/CMakeLists.txt; ${pictures} and
# ${tool} come from there).
set(picks_sources ${CMAKE_CURRENT_SOURCE_DIR}/pictures/picks)

# The GSI chart sheets are drawn from the chart table the hit test reads, by a generator built
# for this machine (the build may be for another).
find_program(QX_HOST_CXX NAMES c++ g++ REQUIRED)
set(gsichart ${pictures}/gsichart-picture)
set(gsichart_sources ${QUARVEX_ROOT}/tools/gsichart/GsiChartPicture.cpp
    ${QUARVEX_ROOT}/picktables/GsiChartSheet.cpp)
add_custom_command(OUTPUT ${gsichart}
  COMMAND ${QX_HOST_CXX} -std=c++17 -O1 -I${QUARVEX_ROOT} ${gsichart_sources} -o ${gsichart}
  DEPENDS ${gsichart_sources} ${QUARVEX_ROOT}/picktables/GsiChartSheet.h)
foreach(sheet General Flysch)
  string(TOLOWER ${sheet} name)
  # An uncompressed bitmap: the system's picture loader reads it without any image codec.
  add_custom_command(OUTPUT ${pictures}/gsi_${name}.bmp
    COMMAND ${gsichart} ${sheet} ${pictures}/gsi_${name}.svg
    COMMAND ${tool} bmp8 ${pictures}/gsi_${name}.svg ${pictures}/gsi_${name}.bmp
    DEPENDS ${gsichart} ${tool})
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/gsi_${name}.bmp)
endforeach()

# The roughness profiles: ten synthetic profiles drawn by a generator.
set(jrc ${QUARVEX_ROOT}/tools/jrcprofiles/jrc-profiles.py)
find_program(QX_PYTHON NAMES python3 REQUIRED)
add_custom_command(OUTPUT ${pictures}/jrc_profiles.bmp
  COMMAND ${QX_PYTHON} ${jrc} ${pictures}/jrc_profiles.svg
  COMMAND ${tool} bmp ${pictures}/jrc_profiles.svg ${pictures}/jrc_profiles.bmp
  DEPENDS ${jrc} ${tool})
list(APPEND QX_PICTURE_OUTPUTS ${pictures}/jrc_profiles.bmp)

# Our drawings of the excavation cases, and the residual friction formula (black on magenta).
foreach(picture disturb_tbm_tunnel disturb_open_pit disturb_floor_heave disturb_blast_damage
                disturb_slope_blasting)
  add_custom_command(OUTPUT ${pictures}/${picture}.bmp
    COMMAND ${tool} bmp ${picks_sources}/${picture}.svg ${pictures}/${picture}.bmp
    DEPENDS ${tool} ${picks_sources}/${picture}.svg)
  list(APPEND QX_PICTURE_OUTPUTS ${pictures}/${picture}.bmp)
endforeach()
add_custom_command(OUTPUT ${pictures}/phir_formula.bmp
  COMMAND ${tool} mask ${picks_sources}/phir_formula.svg ${pictures}/phir_formula.bmp
  DEPENDS ${tool} ${picks_sources}/phir_formula.svg)
list(APPEND QX_PICTURE_OUTPUTS ${pictures}/phir_formula.bmp)
