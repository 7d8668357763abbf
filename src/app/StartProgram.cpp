namespace qv { int StartProgram() { return 0; } }
