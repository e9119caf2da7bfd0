# How every library folder under lib/ becomes a target.
#
#   veltor_add_library(<name>
#     SOURCES <files...>           the library's sources and headers
#     [DEPS <targets...>]          linked publicly
#     [PRIVATE_DEPS <targets...>]  linked privately
#     [TESTS <files...>]           test sources under tests/<name>/
#     [TEST_DEPS <targets...>])    extra libraries for the test binary
#
# Makes veltor_<name> with its Veltor::<name> alias, include paths for the
# build and for an installed copy, install rules for the archive and the
# headers, and the test binary test_<name> run by CTest.

include(GNUInstallDirs)

# Warnings are set per target through this helper, never globally.
function(veltor_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VELTOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VELTOR_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

function(veltor_add_test_binary name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE veltor_test_main)
  veltor_target_defaults(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

function(veltor_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS;TESTS;TEST_DEPS" ${ARGN})
  set(target veltor_${name})
  add_library(${target} STATIC ${ARG_SOURCES})
  add_library(Veltor::${name} ALIAS ${target})
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${name})
  # Tools that offer every class (the Designer plugin) read this list.
  set_property(GLOBAL APPEND PROPERTY VELTOR_LIBRARIES ${name})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/lib>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/veltor>)
  target_link_libraries(${target} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  veltor_target_defaults(${target})

  install(TARGETS ${target} EXPORT VeltorTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  set(headers ${ARG_SOURCES})
  list(FILTER headers INCLUDE REGEX "\\.h$")
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/veltor/${name})

  if(VELTOR_BUILD_TESTS AND ARG_TESTS)
    list(TRANSFORM ARG_TESTS PREPEND ${PROJECT_SOURCE_DIR}/tests/${name}/)
    veltor_add_test_binary(test_${name} ${ARG_TESTS})
    target_link_libraries(test_${name} PRIVATE ${target} ${ARG_TEST_DEPS})
  endif()
endfunction()
