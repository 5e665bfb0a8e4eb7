// Renders the ten windows to PNG files against the emulated camera with every value filled, at the
// DPI the system is set to, so that their layouts can be reviewed, and a settings window that
// scrolls on the screen also scrolled to its other end: qumat_gallery.exe FOLDER.
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "library_functions.h"
#include "native_login_window.h"
#include "native_settings_window.h"
#include "standalone_services.h"

namespace {

uint32_t crc32(const uint8_t* bytes, std::size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t at = 0; at < size; ++at) {
        crc ^= bytes[at];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void bigEndian(std::vector<uint8_t>& bytes, uint32_t value) {
    for (const int shift : {24, 16, 8, 0}) {
        bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void chunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& data) {
    bigEndian(file, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    file.insert(file.end(), typed.begin(), typed.end());
    bigEndian(file, crc32(typed.data(), typed.size()));
}

// A PNG file of 8-bit RGB rows, deflated in stored blocks: large, but needing no library.
std::vector<uint8_t> png(int width, int height, const std::vector<uint8_t>& rgbRows) {
    std::vector<uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    bigEndian(header, static_cast<uint32_t>(width));
    bigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    chunk(file, "IHDR", header);

    std::vector<uint8_t> raw;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (int row = 0; row < height; ++row) {
        raw.push_back(0);
        const auto start = rgbRows.begin() + static_cast<std::ptrdiff_t>(row * stride);
        raw.insert(raw.end(), start, start + static_cast<std::ptrdiff_t>(stride));
    }
    std::vector<uint8_t> deflated{0x78, 0x01};
    constexpr std::size_t kBlock = 65535;
    for (std::size_t at = 0; at < raw.size(); at += kBlock) {
        const auto size = static_cast<uint16_t>(std::min(kBlock, raw.size() - at));
        deflated.push_back(at + size == raw.size() ? 1 : 0);
        deflated.insert(deflated.end(),
                        {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                         static_cast<uint8_t>(~size), static_cast<uint8_t>(~size >> 8)});
        deflated.insert(deflated.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                        raw.begin() + static_cast<std::ptrdiff_t>(at + size));
    }
    uint32_t a = 1;
    uint32_t b = 0;
    for (const uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    bigEndian(deflated, (b << 16) | a);
    chunk(file, "IDAT", deflated);
    chunk(file, "IEND", {});
    return file;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND show(win32::DialogWindow& window) {
    HWND handle = window.create();
    ShowWindow(handle, SW_SHOW);
    SetForegroundWindow(handle);
    return handle;
}

// The window as the screen shows it: children and frame, painted by the window system.
bool save(HWND handle, const std::filesystem::path& file) {
    UpdateWindow(handle);
    pumpMessages();
    Sleep(300);
    pumpMessages();
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;

    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool printed =
        BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY) != FALSE;
    std::vector<uint8_t> rgb;
    const auto* bgrx = static_cast<const uint8_t*>(pixels);
    for (std::size_t pixel = 0; pixel < static_cast<std::size_t>(width) * height; ++pixel) {
        rgb.insert(rgb.end(), {bgrx[pixel * 4 + 2], bgrx[pixel * 4 + 1], bgrx[pixel * 4]});
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    const auto bytes = png(width, height, rgb);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    const bool saved = printed && out.good();
    // The pixels of four dialog units across and eight down: the font the layouts were made for
    // gives 6 x 13 at 96 dpi.
    RECT units{0, 0, 4, 8};
    MapDialogRect(handle, &units);
    std::printf("%s (%d x %d pixels, dialog base units %ld x %ld)%s\n", file.string().c_str(),
                width, height, units.right, units.bottom, saved ? "" : ": could not be written");
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: qumat_gallery FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const auto scratch = folder / "camera";
    std::filesystem::create_directories(scratch, error);
    const auto state = scratch / "camera.ini";
    // The library keeps one camera per process, which reads its state file at every call.
    // Both the C library's environment and the system's, whichever the library reads.
    _wputenv((L"K47_CAMERA_STATE=" + state.wstring()).c_str());
    bool allSaved = true;
    for (const auto& edition : editions::allEditions()) {
        // The edition's camera model, fresh from the factory.
        std::ofstream(state, std::ios::trunc)
            << (edition.model.usesLongMenuRecord() ? "[Camera]\nModel=stc\n" : "");
        camera::LibraryFunctions camera;
        window_logic::StandaloneServices services(camera, scratch / "Language.ini");
        std::string name(edition.language.name);
        for (auto& letter : name) {
            letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        }
        win32::NativeLoginWindow login(edition, services.services);
        allSaved &= save(show(login), folder / (name + "-login.png"));
        win32::NativeSettingsWindow settings(edition, services.services);
        HWND shown = show(settings);
        allSaved &= save(shown, folder / (name + "-settings.png"));
        // A window larger than the screen scrolls: its other end too, where the last controls are.
        if ((GetWindowLongW(shown, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0) {
            SendMessageW(shown, WM_HSCROLL, SB_RIGHT, 0);
            SendMessageW(shown, WM_VSCROLL, SB_BOTTOM, 0);
            allSaved &= save(shown, folder / (name + "-settings-scrolled.png"));
        }
    }
    std::filesystem::remove_all(scratch, error);
    return allSaved ? 0 : 1;
}
