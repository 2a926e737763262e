# The layering check itself, on small trees of its own: each case is one file
# with one include, and the check must pass or fail on it as the layers say.
set(cases
  "items|tools/CPeer.h|fail"
  "tools|items/CPeer.h|fail"
  "commands|items/CAbove.h|fail"
  "controls|commands/IAbove.h|fail"
  "items|commands/IListWindow.h|pass"
  "tools|commands/ItemChanges.h|pass"
  "tools|tools/COwn.h|pass"
  "mainwnd|items/CBelow.h|pass"
  "mainwnd|tools/CBelow.h|pass")
set(wrong "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 dir)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  set(root ${WORK}/layers)
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/${dir}/Unit.cpp "#include \"${header}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(outcome pass)
  else()
    set(outcome fail)
  endif()
  if(NOT outcome STREQUAL expected)
    string(APPEND wrong "${dir}/ including ${header}: ${outcome}, expected ${expected}\n")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK}/layers)
if(wrong)
  message(FATAL_ERROR "The layering check judged wrongly:\n${wrong}")
endif()
