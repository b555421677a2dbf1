# The layer rules of the engine and the program are checked when the project is configured, and
# again by a target the libraries depend on, so that an include added since fails the next build.
set(CORE_DIR ${CMAKE_SOURCE_DIR}/src/core)
include(${CMAKE_SOURCE_DIR}/cmake/ScanLayers.cmake)
add_custom_target(check_layers
  COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${CMAKE_SOURCE_DIR}/src/core
          -P ${CMAKE_SOURCE_DIR}/cmake/ScanLayers.cmake
  COMMENT "Checking the layer rules of src/core and src/app")
