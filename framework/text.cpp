#include "text.h"

#include <cstdarg>
#include <cstdio>

namespace gauge {

void write_text(String* element, const char* format, ...) {
    if (element == nullptr || element->text == nullptr) return;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(element->text, static_cast<std::size_t>(element->max_chars) + 1, format,
                   arguments);
    va_end(arguments);
}

void clear_text(String* element) {
    if (element == nullptr || element->text == nullptr) return;
    element->text[0] = '\0';
}

}  // namespace gauge
