// State files: the situation a picture shows, one command a line.
//
//   # comment
//   set VAR VALUE          host variable by token number or name:
//                          set "COM 1 active frequency" 0x2345
//   click ALIAS X Y        a click on a placed gauge, at gauge pixel (X, Y)
//   update                 every placement updates (service ids, callbacks)
//   selection ID           the keyboard selection whose characters highlight
//   fail KEY               failure KEY is active
//
// Lines run in order, so a click sees the variables set above it.
#pragma once

#include <filesystem>
#include <string>

#include "gauge_renderer.h"
#include "host.h"

namespace render {

// Throws std::runtime_error "LABEL:LINE: PROBLEM" at the first bad line.
void apply_state_text(const std::string& text, const std::string& label, host::Host& host,
                      GaugeRenderer& renderer, RenderOptions& options);
void apply_state_file(const std::filesystem::path& file, host::Host& host, GaugeRenderer& renderer,
                      RenderOptions& options);

}  // namespace render
