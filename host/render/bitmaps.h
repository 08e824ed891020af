// The bitmaps of the loaded modules as cairo pictures, read once from each
// module file and kept.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "image.h"
#include "module_file.h"

namespace host {
class LoadedModule;
}

namespace render {

enum class BitmapUse {
    kOpaque,       // every pixel drawn
    kTransparent,  // image flag 0x1: pure black (0,0,0) left undrawn
    kWindowFrame,  // a window over a moving picture: black and near-black left undrawn
    kWindowHole,   // where a window shows its picture: black and near-black, opaque
};

// The channels of a window pixel through which its picture shows.
bool is_window_hole(const module_file::Rgb& pixel);

// The bitmap as a cairo picture for one use.
Image picture_of(const module_file::Bitmap& bitmap, BitmapUse use);

class BitmapLibrary {
  public:
    // Throws std::runtime_error naming the module and id when the module file
    // cannot be read or holds no such bitmap.
    const module_file::Bitmap& bitmap(const host::LoadedModule& module, std::uint32_t id);
    // True when the module file holds bitmap `id` (throws like bitmap() when the
    // file cannot be read).
    bool carries(const host::LoadedModule& module, std::uint32_t id);
    // Cached per module, id and use.
    const Image& picture(const host::LoadedModule& module, std::uint32_t id, BitmapUse use);

  private:
    const module_file::ModuleFile& file_of(const host::LoadedModule& module);

    std::map<std::string, module_file::ModuleFile> files_;
    std::map<std::tuple<std::string, std::uint32_t, BitmapUse>, Image> pictures_;
};

}  // namespace render
