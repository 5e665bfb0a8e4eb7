#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>

#include "library_entry_points.h"

namespace camera {
namespace {

constexpr char kLibraryName[] = "libk47_4g_pc.so";

// "64-bit (x86-64)" and the like, as an ELF file's header names its class and machine; empty for
// a file that is no ELF file.
std::string elfArchitecture(const std::filesystem::path& file) {
    std::array<unsigned char, EI_NIDENT + 4> header{};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size()) ||
        std::string_view(reinterpret_cast<const char*>(header.data()), SELFMAG) != ELFMAG) {
        return {};
    }
    const std::string bits = header[EI_CLASS] == ELFCLASS64 ? "64-bit" : "32-bit";
    // e_machine follows e_type, in the file's byte order.
    const unsigned low = header[EI_NIDENT + 2];
    const unsigned high = header[EI_NIDENT + 3];
    const unsigned machine = header[EI_DATA] == ELFDATA2MSB ? (low << 8) | high : (high << 8) | low;
    switch (machine) {
        case EM_X86_64:
            return bits + " (x86-64)";
        case EM_386:
            return bits + " (x86)";
        case EM_AARCH64:
            return bits + " (ARM64)";
        case EM_ARM:
            return bits + " (ARM)";
        default:
            return bits + " (machine " + std::to_string(machine) + ")";
    }
}

// The folders the loader looks through for a library this program opens by name, in its order:
// LD_LIBRARY_PATH, the program's run path, the system's own.
std::vector<std::string> searchPath() {
    std::vector<std::string> folders;
    void* self = ::dlopen(nullptr, RTLD_LAZY);
    Dl_serinfo size{};
    if (self == nullptr || ::dlinfo(self, RTLD_DI_SERINFOSIZE, &size) != 0) {
        return folders;
    }
    // Dl_serinfo ends in a variable array, and the names follow it in the same block.
    std::vector<std::max_align_t> block(size.dls_size / sizeof(std::max_align_t) + 1);
    auto* info = reinterpret_cast<Dl_serinfo*>(block.data());
    if (::dlinfo(self, RTLD_DI_SERINFOSIZE, info) == 0 &&
        ::dlinfo(self, RTLD_DI_SERINFO, info) == 0) {
        for (unsigned index = 0; index < info->dls_cnt; ++index) {
            folders.push_back(std::filesystem::path(info->dls_serpath[index].dls_name)
                                  .lexically_normal()
                                  .string());
        }
    }
    return folders;
}

std::string joined(const std::vector<std::string>& folders) {
    std::string text;
    for (const auto& folder : folders) {
        text += (text.empty() ? "" : ", ") + folder;
    }
    return text;
}

// The file a library handle was loaded from, as the loader found it.
std::string loadedFile(void* library) {
    link_map* map = nullptr;
    if (::dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) {
        return kLibraryName;
    }
    return std::filesystem::path(map->l_name).lexically_normal().string();
}

// The loader passes over a library of another architecture and looks on, and names no file when
// it finds none it can use: the first file of the name on its path is the one to tell about.
FoundLibrary loadFailure(const std::string& architecture, const std::string& needed,
                         const std::string& loaderSays) {
    FoundLibrary found;
    const auto folders = searchPath();
    for (const auto& folder : folders) {
        const auto file = std::filesystem::path(folder) / kLibraryName;
        std::error_code error;
        if (std::filesystem::exists(file, error)) {
            found.lookup.file = file.string();
            break;
        }
    }
    auto& lookup = found.lookup;
    if (lookup.file.empty()) {
        lookup.problem = "the camera library was not found: no " + std::string(kLibraryName) +
                         " in " + joined(folders) + "; " + needed;
        return found;
    }
    lookup.architecture = elfArchitecture(lookup.file);
    if (lookup.architecture.empty()) {
        lookup.problem = lookup.file + " is not a Linux library: " + needed;
    } else if (lookup.architecture != architecture) {
        lookup.problem = lookup.file + " is not a " + architecture + " library: " + needed;
    } else {
        lookup.problem = lookup.file + " could not be loaded (" + loaderSays + "): " + needed;
    }
    return found;
}

// Opens the library where the loader would find it, folder by folder: a sanitizer's dlopen runs
// from its own library, whose run path is not the program's. The system's cache comes last.
void* openLibrary() {
    for (const auto& folder : searchPath()) {
        const auto file = std::filesystem::path(folder) / kLibraryName;
        std::error_code error;
        if (std::filesystem::exists(file, error)) {
            if (void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
                return library;
            }
        }
    }
    return ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
}

}  // namespace

FoundLibrary findLibrary() {
    const std::string architecture = elfArchitecture("/proc/self/exe");
    const std::string needed = "this program needs the camera maker's " + architecture + " " +
                               kLibraryName + " in its library folder or on LD_LIBRARY_PATH";
    void* library = openLibrary();
    if (library == nullptr) {
        const char* loaderSays = ::dlerror();
        return loadFailure(architecture, needed, loaderSays != nullptr ? loaderSays : "");
    }
    FoundLibrary found;
    auto& lookup = found.lookup;
    lookup.file = loadedFile(library);
    lookup.architecture = elfArchitecture(lookup.file);
    LibraryEntryPoints points{};
    lookup.missing =
        resolveEntryPoints(points, [library](const char* name) { return ::dlsym(library, name); });
    if (!lookup.missing.empty()) {
        ::dlclose(library);
        lookup.problem = lookup.file + " has no function " + lookup.missing.front() +
                         ", so it is not the camera library: " + needed;
        return found;
    }
    // The library stays loaded for the rest of the process, as a linked one would.
    found.entryPoints = points;
    return found;
}

}  // namespace camera
