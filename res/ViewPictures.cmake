# Pictures of the view's resources: the two data-type pictures, drawn pixel by pixel by their
# generator (included by res/CMakeLists.txt, which sets pictures).
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(generator ${QUARVEX_ROOT}/tools/specimen-pictures.py)
add_custom_command(OUTPUT ${pictures}/specimen-triaxial.bmp ${pictures}/specimen-direct-shear.bmp
  COMMAND Python3::Interpreter ${generator} ${pictures}/specimen-triaxial.bmp
          ${pictures}/specimen-direct-shear.bmp
  DEPENDS ${generator})
list(APPEND QX_PICTURE_OUTPUTS ${pictures}/specimen-triaxial.bmp
     ${pictures}/specimen-direct-shear.bmp)
