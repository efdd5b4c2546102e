# Windows test programs run under Wine on an Xvfb display of their own. One session (display, prefix
# and a persistent wineserver) serves every test of the build tree; CTest fixtures start and end it.
set(WINE_SESSION_DIR ${CMAKE_BINARY_DIR}/wine-session)
set(WINE_SESSION_SCRIPT ${PROJECT_SOURCE_DIR}/tests/harness/wine-session)
# The harness picks the Wine loader that runs this tree's programs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WINE_ARCH win64)
else()
  set(WINE_ARCH win32)
endif()

if(NOT QUILLOTAP_WINE_TESTS)
  return()
endif()

add_test(NAME wine_session_start COMMAND ${WINE_SESSION_SCRIPT} start ${WINE_SESSION_DIR})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300
                                                   LABELS "wine;e2e" ENVIRONMENT "QUILLOTAP_WINE_ARCH=${WINE_ARCH}")
add_test(NAME wine_session_stop COMMAND ${WINE_SESSION_SCRIPT} stop ${WINE_SESSION_DIR})
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session LABELS "wine;e2e"
                                                  ENVIRONMENT "QUILLOTAP_WINE_ARCH=${WINE_ARCH}")

# add_wine_test(NAME <name> TARGET <target> LABEL <wine|e2e> [ARGS ...])
function(add_wine_test)
  cmake_parse_arguments(WT "" "NAME;TARGET;LABEL" "ARGS" ${ARGN})
  add_test(NAME ${WT_NAME} COMMAND ${WT_TARGET} ${WT_ARGS})
  set_tests_properties(${WT_NAME} PROPERTIES
    LABELS ${WT_LABEL}
    FIXTURES_REQUIRED wine_session
    # All Windows tests share one desktop, focus and pointer: they take turns.
    RESOURCE_LOCK wine_desktop
    TIMEOUT 600
    ENVIRONMENT "QUILLOTAP_WINE_SESSION=${WINE_SESSION_DIR};QUILLOTAP_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts;QUILLOTAP_WINE_ARCH=${WINE_ARCH}")
endfunction()
