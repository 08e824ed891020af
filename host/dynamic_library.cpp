#include "dynamic_library.h"

#include <system_error>

#include "module_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace host {
namespace {

#if defined(_WIN32)
std::string last_windows_error() {
    const DWORD code = GetLastError();
    return "Windows error " + std::to_string(code) + " (" +
           std::system_category().message(static_cast<int>(code)) + ")";
}
#endif

}  // namespace

DynamicLibrary::DynamicLibrary(const std::filesystem::path& file) : file_(file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) throw ModuleError(file, "file not found");
    if (!std::filesystem::is_regular_file(file, error)) throw ModuleError(file, "not a file");
#if defined(_WIN32)
    handle_ = reinterpret_cast<void*>(LoadLibraryW(file.wstring().c_str()));
    if (handle_ == nullptr)
        throw ModuleError(file, "not a loadable library: " + last_windows_error());
#else
    // RTLD_LOCAL: every module exports the same two names, and each must keep
    // binding its own ImportTable and Linkage.
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw ModuleError(file, std::string("not a loadable library: ") +
                                    (reason != nullptr ? reason : "unknown reason"));
    }
#endif
}

DynamicLibrary::~DynamicLibrary() {
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

void* DynamicLibrary::symbol(const char* name) const {
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

std::string module_file_name(const std::string& module_name) {
#if defined(_WIN32)
    return module_name + ".gau";
#else
    return module_name + ".so";
#endif
}

}  // namespace host
