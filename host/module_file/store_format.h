// The bitmap and version store of a native (ELF) module file.
//
// On Windows a module carries its bitmaps as BITMAP resources and its version as
// a VERSIONINFO resource. A native module carries the same information in two
// non-loaded ELF sections, read from the file, with no extra export:
//
// Section ".gauge_bitmaps", all integers little-endian:
//   offset 0   8 bytes  magic "GAUGEBMP"
//   offset 8   u32      format version, 1
//   offset 12  u32      entry count N
//   offset 16  N entries of 16 bytes: u32 bitmap id, u32 language (1033),
//              u32 offset of the bitmap's data from the section start, u32 size
//   then the data: each bitmap exactly as a BITMAP resource holds it, a
//   BITMAPINFOHEADER, the palette (for 8 bits and less) and the bottom-up rows
//   padded to 4 bytes, starting at 4-byte aligned offsets.
//
// Section ".gauge_version":
//   offset 0   8 bytes  magic "GAUGEVER"
//   offset 8   u32      format version, 1
//   offset 12  4 x u16  file version, most significant part first
//   offset 20  4 x u16  product version
//   offset 28  u32      string count N
//   then N pairs of NUL-terminated UTF-8 strings: key, value ("FileVersion",
//   "ProductVersion", "FileDescription").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace module_store {

inline constexpr std::string_view kBitmapSection = ".gauge_bitmaps";
inline constexpr std::string_view kVersionSection = ".gauge_version";
inline constexpr std::string_view kBitmapMagic = "GAUGEBMP";
inline constexpr std::string_view kVersionMagic = "GAUGEVER";
inline constexpr std::uint32_t kFormatVersion = 1;

inline constexpr std::size_t kBitmapHeaderSize = 16;
inline constexpr std::size_t kBitmapEntrySize = 16;
inline constexpr std::size_t kVersionHeaderSize = 32;

// US English, the language of every bitmap and string of the modules.
inline constexpr std::uint32_t kLanguageUsEnglish = 1033;

}  // namespace module_store
