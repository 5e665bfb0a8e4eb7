#include <windows.h>

#include <optional>
#include <string>

#include "library_entry_points.h"
#include "system_error_windows.h"
#include "utf8.h"

namespace camera {
namespace {

constexpr wchar_t kLibraryName[] = L"k47_4g_pc.dll";
constexpr const char* kArchitecture = sizeof(void*) == 8 ? "64-bit (x64)" : "32-bit (x86)";
constexpr WORD kMachine = sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;

std::string utf8(const std::wstring& text) {
    return platform::toUtf8(std::u16string(text.begin(), text.end()));
}

// The full name of a module's file, the program's for null; empty when the system gives none.
std::wstring moduleFile(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= 32768) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
    return {};
}

std::wstring besideProgram() {
    std::wstring folder = moduleFile(nullptr);
    const auto separator = folder.find_last_of(L"\\/");
    folder.resize(separator == std::wstring::npos ? 0 : separator + 1);
    return folder + kLibraryName;
}

std::string needed() {
    return std::string("this program needs the camera maker's ") + kArchitecture +
           " k47_4g_pc.dll beside it";
}

// The machine a Windows program or library's headers name; 0 for a file without them, nothing for
// a file that cannot be read.
std::optional<WORD> moduleMachine(const std::wstring& file) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const auto readAt = [handle](LONG offset, void* data, DWORD size) {
        DWORD read = 0;
        return SetFilePointer(handle, offset, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
               ReadFile(handle, data, size, &read, nullptr) && read == size;
    };
    IMAGE_DOS_HEADER dos{};
    struct {
        DWORD signature;
        IMAGE_FILE_HEADER file;
    } pe{};
    const bool headers = readAt(0, &dos, sizeof(dos)) && dos.e_magic == IMAGE_DOS_SIGNATURE &&
                         readAt(dos.e_lfanew, &pe, sizeof(pe)) &&
                         pe.signature == IMAGE_NT_SIGNATURE;
    CloseHandle(handle);
    return headers ? pe.file.Machine : 0;
}

// Windows refuses a file that is no library as it refuses one of the other architecture
// (ERROR_BAD_EXE_FORMAT): the file's headers tell them apart.
std::string loadFailure(const std::string& name, const std::wstring& file, DWORD error) {
    if (const auto machine = moduleMachine(file)) {
        if (*machine == 0) {
            return name + " is not a Windows library: " + needed();
        }
        if (*machine != kMachine) {
            return name + " is not a " + kArchitecture + " library: " + needed();
        }
    }
    return name + " could not be loaded (" + platform::windowsError(error).message() +
           "): " + needed();
}

// The file the library search path gives for the name, as far as it can be found without loading.
std::wstring onSearchPath() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = SearchPathW(nullptr, kLibraryName, nullptr,
                                     static_cast<DWORD>(path.size()), path.data(), nullptr);
    path.resize(length < path.size() ? length : 0);
    return path;
}

template <typename Function>
void resolve(HMODULE module, const char* name, Function& function, std::string& missing) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (function == nullptr && missing.empty()) {
        missing = name;
    }
}

}  // namespace

// The program's own folder comes first: an administrator puts the maker's library there, and a
// copy elsewhere on the search path must not take its place.
std::variant<LibraryEntryPoints, std::string> findLibraryEntryPoints() {
    const std::wstring beside = besideProgram();
    HMODULE module = nullptr;
    if (GetFileAttributesW(beside.c_str()) != INVALID_FILE_ATTRIBUTES) {
        module = LoadLibraryExW(beside.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (module == nullptr) {
            return loadFailure(utf8(beside), beside, GetLastError());
        }
    } else {
        module = LoadLibraryW(kLibraryName);
        if (module == nullptr) {
            const DWORD error = GetLastError();
            if (error == ERROR_MOD_NOT_FOUND) {
                return "the camera library was not found: no " + utf8(beside) +
                       " and no k47_4g_pc.dll on the library search path; " + needed();
            }
            return loadFailure("k47_4g_pc.dll on the library search path", onSearchPath(), error);
        }
    }
    LibraryEntryPoints points{};
    std::string missing;
    resolve(module, "Init_Device", points.Init_Device, missing);
    resolve(module, "Qumat_Login", points.Qumat_Login, missing);
    resolve(module, "Qumat_Get4GDevOrNot", points.Qumat_Get4GDevOrNot, missing);
    resolve(module, "GetZFYInfo", points.GetZFYInfo, missing);
    resolve(module, "WriteZFYInfo", points.WriteZFYInfo, missing);
    resolve(module, "Qumat_GetNetConfig", points.Qumat_GetNetConfig, missing);
    resolve(module, "Qumat_SetNetConfig", points.Qumat_SetNetConfig, missing);
    resolve(module, "Qumat_ApnUser", points.Qumat_ApnUser, missing);
    resolve(module, "Qumat_ApnPsw", points.Qumat_ApnPsw, missing);
    resolve(module, "Qumat_SN_Info", points.Qumat_SN_Info, missing);
    resolve(module, "Qumat_GetMenuConfig", points.Qumat_GetMenuConfig, missing);
    resolve(module, "Qumat_SetMenuConfig", points.Qumat_SetMenuConfig, missing);
    resolve(module, "Qumat_GetPsw", points.Qumat_GetPsw, missing);
    resolve(module, "Qumat_ChangePsw", points.Qumat_ChangePsw, missing);
    resolve(module, "Qumat_GetTFVol", points.Qumat_GetTFVol, missing);
    resolve(module, "Qumat_GetFwVersion", points.Qumat_GetFwVersion, missing);
    resolve(module, "ReadDeviceResolution", points.ReadDeviceResolution, missing);
    resolve(module, "SyncDevTime", points.SyncDevTime, missing);
    resolve(module, "SetMSDC", points.SetMSDC, missing);
    resolve(module, "Qumat_FormatTFCard", points.Qumat_FormatTFCard, missing);
    resolve(module, "Qumat_SetDefault", points.Qumat_SetDefault, missing);
    if (!missing.empty()) {
        const std::string file = utf8(moduleFile(module));
        FreeLibrary(module);
        return file + " has no function " + missing +
               ", so it is not the camera library: " + needed();
    }
    // The library stays loaded for the rest of the process, as a linked one would.
    return points;
}

}  // namespace camera
