# qv_add_subfolders(): adds every subfolder of the current source folder that
# has a CMakeLists.txt, so each area's suite joins the build by existing.
function(qv_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
