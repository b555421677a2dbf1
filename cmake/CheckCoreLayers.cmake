# A target that fails the build when a file of the engine library breaks a layer rule.
add_custom_target(check_core_layers
  COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${CMAKE_SOURCE_DIR}/src/core
          -P ${CMAKE_SOURCE_DIR}/cmake/ScanCoreLayers.cmake
  COMMENT "Checking the layer rules of src/core")
