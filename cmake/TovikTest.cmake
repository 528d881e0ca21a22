# tovik_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# Builds one GoogleTest binary and registers each of its tests with ctest. Every test may play
# the user through the headless driver (drivers); one that links rt_qt also gets the driver
# of the real widgets (drivers_qt).
# Tests run headless: Qt uses the offscreen platform. TOVIK_SOURCE_DIR (a compile definition)
# names the source tree, for tests that read files kept beside them.
# Scratch folders (TMPDIR) live in memory where the machine has /dev/shm: the record files
# stay real SQLite files, and the syncs of their commits cost no disk waits.
if(IS_DIRECTORY /dev/shm)
  set(TOVIK_TEST_TMPDIR "TMPDIR=set:/dev/shm")
else()
  set(TOVIK_TEST_TMPDIR "TMPDIR=reset:")
endif()
function(tovik_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  # No test reaches the machine's print service (tests/support/no_print_service.cpp).
  add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/no_print_service.cpp)
  set(drivers drivers)
  if("rt_qt" IN_LIST T_LIBS)
    list(PREPEND drivers drivers_qt)
  endif()
  target_link_libraries(${name} PRIVATE ${drivers} ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
  target_compile_definitions(${name} PRIVATE TOVIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "${TOVIK_TEST_TMPDIR}"
               TIMEOUT 300)
endfunction()
