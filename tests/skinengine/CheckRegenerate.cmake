# Regenerates all 33 skins into OUT and compares them with the committed ones.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${SKINGEN} generate ${THEMES} ${OUT} RESULT_VARIABLE status
                OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skingen generate failed")
endif()
foreach(n RANGE 1 33)
  if(n LESS 10)
    set(n 0${n})
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                  ${OUT}/skin${n}.she ${COMMITTED}/skin${n}.she RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "skin${n}.she differs from the committed file")
  endif()
endforeach()
