# Layer rules of the engine library: no Qt anywhere in it, nothing of the program in it, and
# each folder includes only itself and the folders below it in this order (lowest first):
set(core_layers
  base       # host, profile, atomic files, bytes, points: nothing above
  colour     # colour values and conversions, colour history
  imaging    # images and picture files
  shapes     # shape set and shape files
  model      # the document and its file
  settings   # the settings groups, the modes, the glob clipboard
  shell      # the application object and what a run keeps (settings table, recovery, tips)
  view       # the view, strokes, tools, history and its undo steps, glob edits
  commands   # what a menu command runs
  panels     # the tool windows' logic
  movie      # movie export
  print      # print layout and PDF
)
file(GLOB_RECURSE files ${CORE_DIR}/*.h ${CORE_DIR}/*.hpp ${CORE_DIR}/*.cpp)
set(bad "")
foreach(f ${files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt|app/)")
  if(lines)
    list(APPEND bad "${f}: ${lines}")
  endif()
  file(RELATIVE_PATH rel ${CORE_DIR} ${f})
  string(REGEX REPLACE "/.*" "" own ${rel})
  list(FIND core_layers ${own} own_at)
  if(own_at EQUAL -1)
    list(APPEND bad "${f}: folder '${own}' has no place in the layer order")
    continue()
  endif()
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(l ${lines})
    if(l MATCHES "\"core/([^/\"]+)/")
      list(FIND core_layers ${CMAKE_MATCH_1} at)
      if(at GREATER own_at OR at EQUAL -1)
        list(APPEND bad "${f}: ${own} may not include ${CMAKE_MATCH_1}: ${l}")
      endif()
    elseif(own STREQUAL "base")
      list(APPEND bad "${f}: ${l}")
    endif()
  endforeach()
endforeach()
if(bad)
  string(REPLACE ";" "\n" msg "${bad}")
  message(FATAL_ERROR "Layer rule broken in the engine library:\n${msg}")
endif()
