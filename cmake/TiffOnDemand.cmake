# qv_tiff_on_demand(<target>)
# <target> compiles against libtiff's headers but does not link it: it opens
# the library by its run-time name (QV_TIFF_LIBRARY, read here from the
# library's SONAME) on the first TIFF it reads.
function(qv_tiff_on_demand target)
  find_package(TIFF REQUIRED)
  if(NOT DEFINED CACHE{QV_TIFF_LIBRARY})
    get_filename_component(library "${TIFF_LIBRARY_RELEASE}" REALPATH)
    find_program(QV_OBJDUMP NAMES objdump REQUIRED)
    execute_process(COMMAND ${QV_OBJDUMP} -p "${library}" OUTPUT_VARIABLE headers
                    RESULT_VARIABLE failed)
    if(failed OR NOT headers MATCHES "SONAME +([^ \n]+)")
      message(FATAL_ERROR "Cannot read the run-time name of ${library}")
    endif()
    set(QV_TIFF_LIBRARY "${CMAKE_MATCH_1}" CACHE STRING "libtiff's run-time name")
  endif()
  target_include_directories(${target} PRIVATE ${TIFF_INCLUDE_DIR})
  target_compile_definitions(${target} PRIVATE QV_TIFF_LIBRARY="${QV_TIFF_LIBRARY}")
  target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
endfunction()
