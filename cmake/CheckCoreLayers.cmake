# The layer rules of the engine library are checked when the project is configured, and again
# by a target the library depends on, so that an include added since fails the next build.
set(CORE_DIR ${CMAKE_SOURCE_DIR}/src/core)
include(${CMAKE_SOURCE_DIR}/cmake/ScanCoreLayers.cmake)
add_custom_target(check_core_layers
  COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${CMAKE_SOURCE_DIR}/src/core
          -P ${CMAKE_SOURCE_DIR}/cmake/ScanCoreLayers.cmake
  COMMENT "Checking the layer rules of src/core")
