# Fails when a product file includes a header of a folder above its own or
# beside it: the folders are layered platform <- store <- controls <- commands
# <- items, tools <- mainwnd <- app, and each may include only its own folder
# and those of lower levels. items/ and tools/ are peers on one level: neither
# includes the other. A level of several folders joins them with "|".
set(levels platform store controls commands "items|tools" mainwnd app)
set(dirs "")
foreach(level IN LISTS levels)
  list(FIND levels "${level}" index)
  string(REPLACE "|" ";" level_dirs "${level}")
  foreach(dir IN LISTS level_dirs)
    list(APPEND dirs ${dir})
    set(level_of_${dir} ${index})
  endforeach()
endforeach()
set(failures "")
foreach(dir IN LISTS dirs)
  file(GLOB files ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.h)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
      if(NOT target STREQUAL dir AND DEFINED level_of_${target}
         AND NOT level_of_${target} LESS level_of_${dir})
        string(APPEND failures "${file}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes of a higher or a peer folder:\n${failures}")
endif()
