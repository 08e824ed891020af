// A shared library opened by path: dlopen on Linux, LoadLibrary on Windows.
#pragma once

#include <filesystem>
#include <string>

namespace host {

class DynamicLibrary {
  public:
    // Throws ModuleError naming the file when it is missing or cannot be loaded.
    explicit DynamicLibrary(const std::filesystem::path& file);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // The address of an exported symbol, or nullptr when the library has none.
    void* symbol(const char* name) const;

    const std::filesystem::path& file() const { return file_; }

  private:
    std::filesystem::path file_;
    void* handle_ = nullptr;
};

// The file name a module is built under on this platform: NAME.so or NAME.gau.
std::string module_file_name(const std::string& module_name);

}  // namespace host
