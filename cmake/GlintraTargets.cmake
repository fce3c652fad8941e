# Helpers shared by the targets of the tree.

# A library or program of the app folder: found beside each other at run time.
function(glintra_app_target target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${GLINTRA_APP_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${GLINTRA_APP_DIR}
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN")
endfunction()

# A GoogleTest program; its tests are registered with CTest one by one.
# Tests find the app folder's libraries through the build RPATH.
function(glintra_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${GLINTRA_TEST_DIR}
    BUILD_RPATH "${GLINTRA_APP_DIR}")
  target_compile_definitions(${target} PRIVATE
    GLINTRA_APP_DIR="${GLINTRA_APP_DIR}"
    GLINTRA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    GLINTRA_LOCALE_DIR="${GLINTRA_LOCALE_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Adds the bytes of each file to a target as arrays named after the file
# (letters, digits and '_'; e.g. icon4000_16.png -> icon4000_16_png).
function(glintra_embed_files target)
  foreach(input ${ARGN})
    get_filename_component(name ${input} NAME)
    string(MAKE_C_IDENTIFIER ${name} symbol)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
              -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
      DEPENDS ${input} ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
      COMMENT "Embedding ${name}")
    target_sources(${target} PRIVATE ${output})
  endforeach()
endfunction()
