# `cmake --install`: the program in bin, the skin engine in a private library
# folder that the program's RUNPATH names. When the program's own folder
# cannot be written, the engine is not copied next to it and the bare-name
# load finds this one instead. The desktop entry and the icons are installed
# by assets/CMakeLists.txt.
set(QUORVANE_ENGINE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/quorvane)
# Relative to the program's folder, so the installed tree can be moved.
file(RELATIVE_PATH QUORVANE_ENGINE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/quorvane)
set_target_properties(quorvane PROPERTIES INSTALL_RPATH "$ORIGIN/${QUORVANE_ENGINE_FROM_BIN}")
install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS skinengine LIBRARY DESTINATION ${QUORVANE_ENGINE_INSTALL_DIR})
