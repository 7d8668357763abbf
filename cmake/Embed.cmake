# qv_embed(<target> <symbol> <file> [DEPENDS <targets...>])
# Embeds <file> into <target> as a block in the stored ByteBuffer form:
# 32-bit little-endian 1, 32-bit little-endian length, then the bytes. The
# block is reachable from C++ as `extern "C" const unsigned char <symbol>[];`.
function(qv_embed target symbol file)
  cmake_parse_arguments(EMBED "" "" "DEPENDS" ${ARGN})
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.S")
  file(GENERATE OUTPUT "${asm}" CONTENT
".section .rodata
.balign 16
.global ${symbol}
.type ${symbol}, @object
${symbol}:
.long 1
.long ${symbol}_end - ${symbol}_start
${symbol}_start:
.incbin \"${file}\"
${symbol}_end:
.byte 0
.size ${symbol}, . - ${symbol}
.section .note.GNU-stack,\"\",@progbits
")
  enable_language(ASM)
  set_source_files_properties("${asm}" PROPERTIES LANGUAGE ASM OBJECT_DEPENDS "${file}")
  target_sources(${target} PRIVATE "${asm}")
  if(EMBED_DEPENDS)
    add_dependencies(${target} ${EMBED_DEPENDS})
  endif()
endfunction()
