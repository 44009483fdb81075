# numora_add_test(NAME SOURCES ... [LIBS ...] [QT])
# Domain tests are GoogleTest programs; QT marks a Qt Test program for windows, which runs
# on the offscreen platform. Every test is registered with CTest.
find_package(GTest REQUIRED)

function(numora_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_link_libraries(${name} PRIVATE numora_settings ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
    NUMORA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    NUMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    NUMORA_PROGRAM_DIR="${NUMORA_PROGRAM_DIR}")
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    # Qt and the font stack keep caches alive until exit; leak reports there are not ours. A
    # first start speaks the desktop's language: the windows start in German whatever this
    # machine's locale is.
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;LANGUAGE=;LC_ALL=C.UTF-8")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
  endif()
endfunction()

# A test that starts numora-services finds it through NUMORA_SERVICES_EXE (see
# tests/support/ServicesProcess.h).
function(numora_test_uses_services name)
  add_dependencies(${name} numora-services)
  target_compile_definitions(${name} PRIVATE NUMORA_SERVICES_EXE="$<TARGET_FILE:numora-services>")
endfunction()
