# qv_embed(<target> <symbol> <file> [DEPENDS <targets...>])
# Embeds <file> into <target> as a block in the stored ByteBuffer form:
# 32-bit little-endian 1, 32-bit little-endian length, then the bytes. The
# block is reachable from C++ as `extern "C" const unsigned char <symbol>[];`.
# <file> may be a generator expression such as $<TARGET_FILE:tgt>; it is then
# copied into the build tree by a custom command (re-run whenever a DEPENDS
# target is rebuilt) so that a rebuilt file reassembles the block.
enable_language(ASM)
function(qv_embed target symbol file)
  cmake_parse_arguments(EMBED "" "" "DEPENDS" ${ARGN})
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.S")
  set(input "${file}")
  if(file MATCHES "\\$<")
    set(input "${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.bin")
    add_custom_command(OUTPUT "${input}"
      COMMAND ${CMAKE_COMMAND} -E copy "${file}" "${input}"
      DEPENDS ${EMBED_DEPENDS} VERBATIM)
    add_custom_target(${symbol}_input DEPENDS "${input}")
    add_dependencies(${target} ${symbol}_input)
  endif()
  file(GENERATE OUTPUT "${asm}" CONTENT
".section .rodata
.balign 16
.global ${symbol}
.type ${symbol}, @object
${symbol}:
.long 1
.long ${symbol}_end - ${symbol}_start
${symbol}_start:
.incbin \"${input}\"
${symbol}_end:
.byte 0
.size ${symbol}, . - ${symbol}
.section .note.GNU-stack,\"\",@progbits
")
  # Source properties are per directory: set them where the target lives.
  set_source_files_properties("${asm}" TARGET_DIRECTORY ${target}
    PROPERTIES LANGUAGE ASM OBJECT_DEPENDS "${input}")
  target_sources(${target} PRIVATE "${asm}")
  if(EMBED_DEPENDS)
    add_dependencies(${target} ${EMBED_DEPENDS})
  endif()
endfunction()
