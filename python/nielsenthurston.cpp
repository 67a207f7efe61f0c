// Placeholder: the bindings of korvel/nielsenthurston.h.
