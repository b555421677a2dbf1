# A target that fails the build when a file of the engine library includes Qt.
add_custom_target(check_no_qt_in_core
  COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${CMAKE_SOURCE_DIR}/src/core
          -P ${CMAKE_SOURCE_DIR}/cmake/ScanForQt.cmake
  COMMENT "Checking that src/core includes no Qt header")
