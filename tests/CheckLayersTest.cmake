cmake_minimum_required(VERSION 3.25)
# The layering check itself, on small trees of its own: each case is one file
# with one include, and the check must pass or fail on it as the layers say.
set(cases
  "items|dialogs/CPeer.h|fail"
  "dialogs|items/CPeer.h|fail"
  "transfer|phone/Peer.h|fail"
  "phone|transfer/Peer.h|fail"
  "commands|items/CAbove.h|fail"
  "controls|commands/IAbove.h|fail"
  "list|controls/Above.h|fail"
  "phone|platform/widgets/MessageService.h|fail"
  "list|transfer/Above.h|fail"
  "items|commands/IListWindow.h|pass"
  "dialogs|list/ItemChanges.h|pass"
  "phone|list/ItemChanges.h|pass"
  "dialogs|dialogs/COwn.h|pass"
  "mainwnd|items/CBelow.h|pass"
  "mainwnd|dialogs/CBelow.h|pass"
  "controls|platform/widgets/DialogUnits.h|pass"
  "store/sqlite|store/postgres/PgPeer.h|fail"
  "store/postgres|store/sqlite/SqlitePeer.h|fail"
  "store/sqlite|store/journal/Above.h|fail"
  "store/postgres|store/catalog/Above.h|fail"
  "store/access|store/sqlite/Engine.h|fail"
  "store/journal|store/catalog/Above.h|fail"
  "store/catalog|store/postgres/PgSession.h|pass"
  "store/journal|store/access/CAdoCommand.h|pass"
  "store/access|platform/Below.h|pass"
  "controls|store/catalog/Catalog.h|pass"
  "store/catalog|controls/Above.h|fail"
  "mainwnd|store/sqlite/Engine.h|fail"
  "dialogs|store/postgres/PgSession.h|fail"
  "app|store/postgres/PgSession.h|fail"
  "store/catalog|platform/widgets/MessageService.h|fail"
  "store/catalog|<QWidget>|fail"
  "phone|<QMessageBox>|fail"
  "controls|<QWidget>|pass"
  "store/catalog|platform/CRegistry.h|pass")
set(wrong "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 dir)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  set(root ${WORK}/layers)
  file(REMOVE_RECURSE ${root})
  if(header MATCHES "^<")
    file(WRITE ${root}/${dir}/Unit.cpp "#include ${header}\n")
  else()
    file(WRITE ${root}/${dir}/Unit.cpp "#include \"${header}\"\n")
  endif()
  # The folders of the product, so that every level exists as in the tree.
  foreach(folder platform store/access store/sqlite store/postgres store/journal store/catalog list transfer phone
                 platform/widgets controls commands items dialogs mainwnd app)
    file(MAKE_DIRECTORY ${root}/${folder})
  endforeach()
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
