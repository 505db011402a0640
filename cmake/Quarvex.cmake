# Build helpers shared by every folder. See README.md for the flavours.
include_guard(GLOBAL)

set(QUARVEX_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
get_filename_component(QUARVEX_ROOT ${QUARVEX_ROOT} ABSOLUTE)

if(QUARVEX_FLAVOUR STREQUAL "win")
  set(QUARVEX_WIN TRUE)
else()
  set(QUARVEX_WIN FALSE)
endif()

add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
include_directories(${QUARVEX_ROOT})

if(QUARVEX_FLAVOUR STREQUAL "native" OR QUARVEX_FLAVOUR STREQUAL "asan")
  add_compile_options(-Wall -Wextra -Werror)
endif()
if(QUARVEX_FLAVOUR STREQUAL "asan")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(QUARVEX_FLAVOUR STREQUAL "fuzz")
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(QUARVEX_WIN)
  # Unicode off: the program's texts are ANSI.
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 STRICT NOMINMAX)
  add_compile_options(-Wall -Wno-unknown-pragmas)
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(QUARVEX_DEPS ${QUARVEX_ROOT}/build/deps/mingw)
  set(QUARVEX_WINE_RUN ${QUARVEX_ROOT}/scripts/wine-run)
  # The libraries the set-up script builds for mingw from Debian's sources.
  add_library(qx_libjpeg STATIC IMPORTED GLOBAL)
  set_target_properties(qx_libjpeg PROPERTIES IMPORTED_LOCATION ${QUARVEX_DEPS}/lib/libjpeg.a
                        INTERFACE_INCLUDE_DIRECTORIES ${QUARVEX_DEPS}/include)
  add_library(qx_libxlsxwriter STATIC IMPORTED GLOBAL)
  set_target_properties(qx_libxlsxwriter PROPERTIES
                        IMPORTED_LOCATION ${QUARVEX_DEPS}/lib/libxlsxwriter.a
                        INTERFACE_INCLUDE_DIRECTORIES ${QUARVEX_DEPS}/include
                        INTERFACE_LINK_LIBRARIES z)
endif()

# quarvex_delay_import(<name> <dll>): the library qx_<name>_delay, linked in place of the import
# library <name>: it loads <dll> the first time one of its functions is called instead of at the
# program's start. It is made when the build is generated, from cmake/delayload/<name>.def, which
# lists the functions we call, as lib<name>.a in a folder that comes first in the linker's search
# path, so every -l<name> (ours, CMake's default Windows libraries, gcc's for -mwindows) finds it
# and not the plain import library: a call of a function not listed fails the link.
# The first call of each function goes through a stub that keeps only the integer argument
# registers across the loader helper, so list no function taking a floating-point argument
# among its first four. If the DLL cannot be loaded (or lacks the function), the helper raises
# exception 0xC06D007E (0xC06D007F) at that call; nothing catches it (not even catch (...)), so
# the program ends there as on any crash, where with a plain import it would not have started.
set(QUARVEX_DELAY_LIBS ${CMAKE_BINARY_DIR}/delayload)
function(quarvex_delay_import name dll)
  set(def ${QUARVEX_ROOT}/cmake/delayload/${name}.def)
  set(lib ${QUARVEX_DELAY_LIBS}/lib${name}.a)
  set(made ${QUARVEX_DELAY_LIBS}/new)
  file(MAKE_DIRECTORY ${made})
  # Made in a folder of its own, as dlltool names the library's symbols after the path it is
  # given, and replaced only when it changed, so that generating the build again relinks nothing.
  execute_process(
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll} --output-delaylib lib${name}.a
    WORKING_DIRECTORY ${made} RESULT_VARIABLE failed ERROR_VARIABLE error)
  if(failed)
    message(FATAL_ERROR "dlltool could not make ${lib} from ${def}: ${error}")
  endif()
  file(COPY_FILE ${made}/lib${name}.a ${lib} ONLY_IF_DIFFERENT)
  set_property(DIRECTORY ${QUARVEX_ROOT} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  add_library(qx_${name}_delay STATIC IMPORTED GLOBAL)
  # delayimp: the loader helper, __delayLoadHelper2 (this mingw-w64 has it in its runtime).
  set_target_properties(qx_${name}_delay PROPERTIES IMPORTED_LOCATION ${lib}
                        INTERFACE_LINK_LIBRARIES delayimp)
endfunction()

# DLLs the program needs only after its main window shows (printing, the common dialogs, the
# update check, the workbook export, dropped files and the shell's open). comdlg32 and winspool go
# together: comdlg32 imports winspool.
set(QUARVEX_DELAY_LOADED comdlg32 COMDLG32.dll winspool WINSPOOL.DRV wininet WININET.dll
    oleaut32 OLEAUT32.dll shell32 SHELL32.dll)
if(QUARVEX_WIN)
  link_directories(BEFORE ${QUARVEX_DELAY_LIBS})
  set(pairs ${QUARVEX_DELAY_LOADED})
  while(pairs)
    list(POP_FRONT pairs name dll)
    quarvex_delay_import(${name} ${dll})
  endwhile()
endif()
# The system libraries of the window layers, the delay-loaded ones among them.
set(QUARVEX_WIN_SYSTEM_LIBS user32 gdi32 comctl32 qx_comdlg32_delay qx_shell32_delay ole32
    qx_oleaut32_delay uuid advapi32 version qx_winspool_delay qx_wininet_delay)

# Every library of the program, as one link group: the document, the views and the dialogs call
# each other. Libraries that do not exist (yet) drop out when the build is generated. Tests that
# drive the whole program link the same list (with the qx_resources object for the resources).
set(QUARVEX_PROGRAM_LIBS
  -Wl,--start-group
  $<TARGET_NAME_IF_EXISTS:qx_shell> $<TARGET_NAME_IF_EXISTS:qx_shell_logic>
  $<TARGET_NAME_IF_EXISTS:qx_document>
  $<TARGET_NAME_IF_EXISTS:qx_document_logic> $<TARGET_NAME_IF_EXISTS:qx_view>
  $<TARGET_NAME_IF_EXISTS:qx_view_logic> $<TARGET_NAME_IF_EXISTS:qx_fitdialogs>
  $<TARGET_NAME_IF_EXISTS:qx_fitdialogs_logic> $<TARGET_NAME_IF_EXISTS:qx_picktables>
  $<TARGET_NAME_IF_EXISTS:qx_picktables_logic> $<TARGET_NAME_IF_EXISTS:qx_spreadsheet>
  $<TARGET_NAME_IF_EXISTS:qx_controls> $<TARGET_NAME_IF_EXISTS:qx_controls_logic>
  $<TARGET_NAME_IF_EXISTS:qx_chart> $<TARGET_NAME_IF_EXISTS:qx_chart_core>
  $<TARGET_NAME_IF_EXISTS:qx_registry> $<TARGET_NAME_IF_EXISTS:qx_settings>
  $<TARGET_NAME_IF_EXISTS:qx_version> $<TARGET_NAME_IF_EXISTS:qx_version_text>
  $<TARGET_NAME_IF_EXISTS:qx_io> $<TARGET_NAME_IF_EXISTS:qx_criteria>
  $<TARGET_NAME_IF_EXISTS:qx_win> $<TARGET_NAME_IF_EXISTS:qx_base>
  -Wl,--end-group
  ${QUARVEX_WIN_SYSTEM_LIBS})

function(quarvex_add_folders)
  foreach(dir ${ARGN})
    if(EXISTS ${QUARVEX_ROOT}/${dir}/CMakeLists.txt)
      add_subdirectory(${QUARVEX_ROOT}/${dir} ${CMAKE_BINARY_DIR}/${dir})
    endif()
  endforeach()
endfunction()

# Adds every direct and nested subfolder of <dir> that has a CMakeLists.txt (and <dir> itself).
function(quarvex_add_subfolders dir)
  if(EXISTS ${QUARVEX_ROOT}/${dir}/CMakeLists.txt)
    add_subdirectory(${QUARVEX_ROOT}/${dir} ${CMAKE_BINARY_DIR}/${dir})
    return()
  endif()
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${QUARVEX_ROOT}/${dir}/*/CMakeLists.txt)
  list(SORT lists)
  set(added "")
  foreach(l ${lists})
    get_filename_component(d ${l} DIRECTORY)
    # Skip folders nested below one already added: that one adds them itself.
    set(nested FALSE)
    foreach(a ${added})
      string(FIND "${d}/" "${a}/" pos)
      if(pos EQUAL 0)
        set(nested TRUE)
      endif()
    endforeach()
    if(NOT nested)
      file(RELATIVE_PATH rel ${QUARVEX_ROOT} ${d})
      add_subdirectory(${d} ${CMAKE_BINARY_DIR}/${rel})
      list(APPEND added ${d})
    endif()
  endforeach()
endfunction()

# quarvex_library(<target> [PORTABLE] SOURCES ... [LIBS ...])
function(quarvex_library target)
  cmake_parse_arguments(Q "PORTABLE" "" "SOURCES;LIBS" ${ARGN})
  if(NOT Q_PORTABLE AND NOT QUARVEX_WIN)
    return()
  endif()
  add_library(${target} STATIC ${Q_SOURCES})
  target_link_libraries(${target} PUBLIC ${Q_LIBS})
endfunction()

# Every test runs under scripts/run-test, which passes it only when it reached its end: a Google
# Test program its last test, a benchmark its full report, a check script its end mark
# (tests/support/test_end.py and .sh). An exit status of 0 alone is not enough.
set(QUARVEX_RUN_TEST ${QUARVEX_ROOT}/scripts/run-test)

# quarvex_script_test(<name> <command>...): a check that is not a Google Test program, run in the
# current binary folder.
function(quarvex_script_test name)
  add_test(NAME ${name} COMMAND ${QUARVEX_RUN_TEST} script ${name} ${ARGN}
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

function(_quarvex_test_name target out)
  set(${out} "${QUARVEX_FLAVOUR}.${target}" PARENT_SCOPE)
endfunction()

# quarvex_test(<target> PORTABLE|WINE|WINDOW SOURCES ... [LIBS ...])
function(quarvex_test target)
  cmake_parse_arguments(Q "PORTABLE;WINE;WINDOW" "" "SOURCES;LIBS" ${ARGN})
  if(QUARVEX_FLAVOUR STREQUAL "fuzz")
    return()
  endif()
  if(NOT Q_PORTABLE AND NOT QUARVEX_WIN)
    return()
  endif()
  add_executable(${target} ${Q_SOURCES})
  target_link_libraries(${target} PRIVATE ${Q_LIBS} gtest gtest_main)
  _quarvex_test_name(${target} name)
  if(QUARVEX_WIN)
    if(Q_WINDOW)
      set(label xvfb)
      set(mode --display)
    else()
      set(label wine)
      set(mode --no-display)
    endif()
    add_test(NAME ${name}
             COMMAND ${QUARVEX_RUN_TEST} gtest ${name} ${QUARVEX_WINE_RUN} ${mode} $<TARGET_FILE:${target}>
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  else()
    set(label ${QUARVEX_FLAVOUR})
    add_test(NAME ${name} COMMAND ${QUARVEX_RUN_TEST} gtest ${name} $<TARGET_FILE:${target}>
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  set_tests_properties(${name} PROPERTIES LABELS ${label} TIMEOUT 600)
  if(Q_WINDOW)
    # Window tests share one display; focus and the foreground window are not shareable.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()

# quarvex_program_test(<target> SOURCES ... [LIBS ...]): a window test of the whole program: the
# real application object with the program's libraries and resources, under the harness of
# tests/support/ProgramHarness.h.
function(quarvex_program_test target)
  cmake_parse_arguments(Q "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT QUARVEX_WIN)
    return()
  endif()
  quarvex_test(${target} WINDOW SOURCES ${Q_SOURCES} $<TARGET_OBJECTS:qx_resources>
    LIBS qx_program_harness ${Q_LIBS} ${QUARVEX_PROGRAM_LIBS})
endfunction()

# quarvex_fuzzer(<target> SOURCES ... [LIBS ...] CORPUS <dir>)
set(QUARVEX_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzzer runs in the test command")
function(quarvex_fuzzer target)
  cmake_parse_arguments(Q "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT QUARVEX_FLAVOUR STREQUAL "fuzz")
    return()
  endif()
  add_executable(${target} ${Q_SOURCES})
  target_link_libraries(${target} PRIVATE ${Q_LIBS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  get_filename_component(corpus ${Q_CORPUS} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}.corpus)
  _quarvex_test_name(${target} name)
  # New inputs go to the work folder; the kept corpus is only read.
  quarvex_script_test(${name} ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                      ${QUARVEX_ROOT}/scripts/run-fuzzer $<TARGET_FILE:${target}> ${work} ${corpus}
                      ${QUARVEX_FUZZ_SECONDS})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()

# quarvex_benchmark(<target> SOURCES ... [LIBS ...])
function(quarvex_benchmark target)
  cmake_parse_arguments(Q "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT QUARVEX_FLAVOUR STREQUAL "native" OR NOT benchmark_FOUND)
    return()
  endif()
  add_executable(${target} ${Q_SOURCES})
  target_link_libraries(${target} PRIVATE ${Q_LIBS} benchmark::benchmark benchmark::benchmark_main)
  _quarvex_test_name(${target} name)
  add_test(NAME ${name}
           COMMAND ${QUARVEX_RUN_TEST} bench ${name} $<TARGET_FILE:${target}> --benchmark_min_time=0.001)
  set_tests_properties(${name} PROPERTIES LABELS bench TIMEOUT 300)
endfunction()

# quarvex_use_test_printer(<test>...): the tests print on the PDF printer of a private CUPS
# daemon (scripts/cups-test-server), started once before them and stopped after them; they
# reach it through CUPS_SERVER. As the printer is there, a test of theirs that skips fails.
function(quarvex_use_test_printer)
  if(NOT QUARVEX_WIN)
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/cups)
  get_property(defined GLOBAL PROPERTY QUARVEX_TEST_PRINTER_DEFINED)
  if(NOT defined)
    set_property(GLOBAL PROPERTY QUARVEX_TEST_PRINTER_DEFINED TRUE)
    quarvex_script_test(win.qx_test_printer_start ${QUARVEX_ROOT}/scripts/cups-test-server start ${dir})
    quarvex_script_test(win.qx_test_printer_stop ${QUARVEX_ROOT}/scripts/cups-test-server stop ${dir})
    set_tests_properties(win.qx_test_printer_start PROPERTIES FIXTURES_SETUP test_printer
                         LABELS wine TIMEOUT 60)
    set_tests_properties(win.qx_test_printer_stop PROPERTIES FIXTURES_CLEANUP test_printer
                         LABELS wine TIMEOUT 60)
    # The same printer started from a folder other users cannot enter.
    quarvex_script_test(win.qx_test_printer_any_folder
                        ${QUARVEX_ROOT}/tests/support/test_printer_any_folder.sh)
    set_tests_properties(win.qx_test_printer_any_folder PROPERTIES LABELS wine TIMEOUT 120)
  endif()
  foreach(t ${ARGN})
    set_property(TEST ${t} APPEND PROPERTY FIXTURES_REQUIRED test_printer)
    set_property(TEST ${t} APPEND PROPERTY ENVIRONMENT CUPS_SERVER=${dir}/cups.sock
                 "QUARVEX_SKIPS_FAIL=the test printer is there")
  endforeach()
endfunction()
