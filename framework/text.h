// Writing a display's text into the host's buffer.
#pragma once

#include "gauge.h"

namespace gauge {

// Formats printf-style into the string element's text buffer, cutting the text
// at the element's maximum characters: the host's buffer holds exactly that many
// plus the terminating NUL, and a value the format was never meant for (a digit
// that is not a BCD digit, a setting beyond the field) must not write past it.
// Does nothing when the host has given no buffer.
void write_text(String* element, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// The empty text of a display that is off.
void clear_text(String* element);

}  // namespace gauge
