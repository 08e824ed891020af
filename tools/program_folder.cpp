#include "program_folder.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tools {

std::filesystem::path program_folder() {
    std::error_code error;
#if defined(_WIN32)
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    if (length == 0 || length >= MAX_PATH * 4) return std::filesystem::current_path(error);
    return std::filesystem::path(path).parent_path();
#else
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error);
    return self.parent_path();
#endif
}

}  // namespace tools
