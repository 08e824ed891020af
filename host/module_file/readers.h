// The format readers behind read_module_file; each fills in what its format
// holds and throws Error on anything malformed.
#pragma once

#include <vector>

#include "byte_view.h"
#include "module_file.h"

namespace module_file {

void read_elf(const ByteView& file, ModuleFile& module);
void read_pe(const ByteView& file, ModuleFile& module);

// The native store sections (store_format.h).
std::vector<Bitmap> read_bitmap_store(const ByteView& section);
VersionInfo read_version_store(const ByteView& section);

// A VERSIONINFO resource (VS_VERSIONINFO with its string and variable blocks).
VersionInfo read_version_resource(const ByteView& resource);

// Orders bitmaps by id and rejects an id given twice.
void sort_bitmaps(const ByteView& where, std::vector<Bitmap>& bitmaps);

}  // namespace module_file
