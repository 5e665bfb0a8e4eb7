// Prints what Windows shows of a program file in its properties, read through the system's own
// version functions: the version resource's values, "name: value" a line, then how many icons the
// file holds. Usage: version_probe.exe FILE. Exits 1 when the file has no version resource.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fputs("usage: version_probe FILE\n", stderr);
        return 2;
    }
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(argv[1], &ignored));
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (info.empty() ||
        !GetFileVersionInfoW(argv[1], 0, static_cast<DWORD>(info.size()), info.data()) ||
        !VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        std::fputs("version_probe: no version resource\n", stderr);
        return 1;
    }
    wchar_t block[40] = {};
    swprintf(block, 40, L"\\StringFileInfo\\%04x%04x\\", translation->language,
             translation->codePage);
    for (const wchar_t* name : {L"CompanyName", L"FileVersion", L"LegalCopyright",
                                L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
        wchar_t* value = nullptr;
        const std::wstring path = block + std::wstring(name);
        if (VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) &&
            length > 0) {
            char utf8[1024] = {};
            WideCharToMultiByte(CP_UTF8, 0, value, -1, utf8, sizeof(utf8), nullptr, nullptr);
            std::printf("%ls: %s\n", name, utf8);
        }
    }
    std::printf("icons: %u\n", ExtractIconExW(argv[1], -1, nullptr, nullptr, 0));
    return 0;
}
