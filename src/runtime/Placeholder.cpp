namespace qv::detail { int runtime_placeholder = 0; }
