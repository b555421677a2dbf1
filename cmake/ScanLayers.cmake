# Layer rules of the sources: each folder of the engine library and of the program includes only
# itself and the folders below it in these orders (lowest first). The engine includes nothing of
# Qt or of the program.
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
set(app_layers
  resources  # icons and pictures compiled in
  widgets    # small widgets and pictures every window uses
  view       # the drawing widget
  print      # the print dialogs
  windows    # the tool windows
  dialogs    # the dialogs
  shell      # the frames, the host and profile of the program
  menus      # one installer per menu
  program    # one run: the start-up and the wiring of every feature into the frame
)
set(bad "")

# Checks every file under DIR (whose includes start with PREFIX/) against the order LAYERS.
function(scan_layers dir prefix layers)
  file(GLOB_RECURSE files ${dir}/*.h ${dir}/*.hpp ${dir}/*.cpp)
  foreach(f ${files})
    file(RELATIVE_PATH rel ${dir} ${f})
    if(NOT rel MATCHES "/")
      continue()   # a file at the top (the program's main) may include any folder
    endif()
    string(REGEX REPLACE "/.*" "" own ${rel})
    list(FIND layers ${own} own_at)
    if(own_at EQUAL -1)
      list(APPEND bad "${f}: folder '${own}' has no place in the layer order")
      continue()
    endif()
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(l ${lines})
      if(l MATCHES "\"${prefix}/([^/\"]+)/")
        list(FIND layers ${CMAKE_MATCH_1} at)
        if(at GREATER own_at OR at EQUAL -1)
          list(APPEND bad "${f}: ${own} may not include ${CMAKE_MATCH_1}: ${l}")
        endif()
      elseif(prefix STREQUAL "core" AND own STREQUAL "base")
        list(APPEND bad "${f}: ${l}")
      endif()
    endforeach()
  endforeach()
  set(bad ${bad} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE core_files ${CORE_DIR}/*.h ${CORE_DIR}/*.hpp ${CORE_DIR}/*.cpp)
foreach(f ${core_files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt|app/)")
  if(lines)
    list(APPEND bad "${f}: ${lines}")
  endif()
endforeach()
scan_layers(${CORE_DIR} core "${core_layers}")
if(EXISTS ${CORE_DIR}/../app)
  scan_layers(${CORE_DIR}/../app app "${app_layers}")
endif()
if(bad)
  string(REPLACE ";" "\n" msg "${bad}")
  message(FATAL_ERROR "Layer rule broken:\n${msg}")
endif()
