cmake_minimum_required(VERSION 3.25)
# Fails when a product file includes a header of a folder above its own or
# beside it: the folders are layered platform <- store <- list <- transfer,
# phone <- platform/widgets <- controls <- commands <- items, dialogs <-
# mainwnd <- app, and each may include only its own folder and those of lower
# levels. Folders on one level are peers: neither includes the other. store/
# is layered the same way inside: the access layer <- the two engines (peers)
# <- the journal <- the catalog. A level of several folders joins them with
# "|".
#
# Above store/, the engines are named only where a catalog is chosen (the
# files of engine_choosers): everything else reaches a catalog through the
# access layer, whichever engine is behind it.
set(levels platform store/access "store/sqlite|store/postgres" store/journal store/catalog list "transfer|phone"
    platform/widgets controls commands "items|dialogs" mainwnd app)
set(engines store/sqlite store/postgres)
set(engine_choosers app/CatalogChoice.cpp app/CatalogChoice.h)
set(dirs "")
foreach(level IN LISTS levels)
  list(FIND levels "${level}" index)
  string(REPLACE "|" ";" level_dirs "${level}")
  foreach(dir IN LISTS level_dirs)
    list(APPEND dirs ${dir})
    string(REPLACE "/" "_" key "${dir}")
    set(level_of_${key} ${index})
  endforeach()
endforeach()
list(FIND levels store/catalog store_top)

# The folder of dirs that an include path lies in, the deepest one; empty
# when none.
function(folder_of path out)
  set(found "")
  foreach(dir IN LISTS dirs)
    string(LENGTH "${dir}" length)
    string(LENGTH "${found}" found_length)
    if(path MATCHES "^${dir}/[^/]+$" AND length GREATER found_length)
      set(found ${dir})
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(failures "")
foreach(dir IN LISTS dirs)
  string(REPLACE "/" "_" dir_key "${dir}")
  file(GLOB files ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.h)
  foreach(file IN LISTS files)
    file(RELATIVE_PATH relative ${ROOT} ${file})
    file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" path "${line}")
      folder_of("${path}" target)
      if(target STREQUAL "" OR target STREQUAL dir)
        continue()
      endif()
      string(REPLACE "/" "_" target_key "${target}")
      if(NOT level_of_${target_key} LESS level_of_${dir_key})
        string(APPEND failures "${file}: ${line}\n")
      elseif(target IN_LIST engines AND level_of_${dir_key} GREATER store_top
             AND NOT relative IN_LIST engine_choosers)
        string(APPEND failures "${file}: ${line} (an engine, named above the store)\n")
      endif()
    endforeach()
  endforeach()
endforeach()
# No user interface below platform/widgets: the cores report what they found
# as values, and the window tells the user. The head-less server is built
# from them.
list(FIND levels platform/widgets widgets_level)
foreach(dir IN LISTS dirs)
  string(REPLACE "/" "_" dir_key "${dir}")
  if(NOT level_of_${dir_key} LESS widgets_level)
    continue()
  endif()
  file(GLOB files ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.h)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include <(QWidget|QMessageBox|QApplication|QDialog|QLineEdit|QtWidgets)")
    foreach(line IN LISTS includes)
      string(APPEND failures "${file}: ${line} (a widget in a core folder)\n")
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes of a higher or a peer folder:\n${failures}")
endif()
