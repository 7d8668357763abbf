namespace qv::imaging { int imaging_placeholder = 0; }
