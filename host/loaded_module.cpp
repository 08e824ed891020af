#include "loaded_module.h"

#include <cstring>

#include "module_error.h"
#include "names.h"

namespace host {
namespace {

constexpr std::size_t kMaxGaugeName = 256;

template <typename Record>
Record* exported(const DynamicLibrary& library, const char* name) {
    void* address = library.symbol(name);
    if (address == nullptr)
        throw ModuleError(library.file(), std::string("export '") + name + "' missing");
    return static_cast<Record*>(address);
}

void check_gauge(const std::filesystem::path& file, std::size_t index,
                 const gauge::GaugeHeader& header) {
    const std::string where = "gauge " + std::to_string(index + 1) + " of Linkage";
    if (header.version != 700 && header.version != 800)
        throw ModuleError(file, where + ": header version " + std::to_string(header.version) +
                                    ", expected 700 or 800");
    if (header.name == nullptr || memchr(header.name, '\0', kMaxGaugeName) == nullptr)
        throw ModuleError(file, where + ": no gauge name");
    if (header.elements == nullptr || header.elements[0] == nullptr)
        throw ModuleError(file, where + " ('" + header.name + "'): no root element");
}

}  // namespace

LoadedModule::LoadedModule(const std::filesystem::path& file, gauge::HostServices* services)
    : library_(file), name_(file.stem().string()) {
    auto* import_table = exported<gauge::ImportTableRecord>(library_, "ImportTable");
    linkage_ = exported<gauge::LinkageRecord>(library_, "Linkage");
    if (import_table->services_entry.id != gauge::kImportTableId)
        throw ModuleError(file, "ImportTable id " + hex(import_table->services_entry.id) +
                                    ", expected " + hex(gauge::kImportTableId));
    if (linkage_->module_id != gauge::kLinkageModuleId)
        throw ModuleError(file, "Linkage module id " + hex(linkage_->module_id) + ", expected " +
                                    hex(gauge::kLinkageModuleId));
    for (std::size_t index = 0;; ++index) {
        if (index > gauge::kMaxGaugesPerModule)
            throw ModuleError(file, "Linkage gauge list has no end within " +
                                        std::to_string(gauge::kMaxGaugesPerModule) + " gauges");
        gauge::GaugeHeader* header = linkage_->gauges[index];
        if (header == nullptr) break;
        check_gauge(file, index, *header);
        gauges_.push_back(header);
    }
    import_table->services_entry.services = services;
}

gauge::GaugeHeader* LoadedModule::find_gauge(std::string_view gauge_name) const {
    for (gauge::GaugeHeader* header : gauges_)
        if (gauge_name == header->name) return header;
    return nullptr;
}

gauge::Element* root_of(const gauge::GaugeHeader& gauge) {
    return gauge.elements[0];
}

}  // namespace host
