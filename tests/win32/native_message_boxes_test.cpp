#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "native_message_boxes.h"
#include "wide_text.h"

namespace {

using window_logic::MessageBoxButton;
using window_logic::MessageBoxStyle;

// A user at another thread: waits for the box of that caption, notes its text and its buttons'
// captions, and presses one.
class BoxAnswerer {
  public:
    BoxAnswerer(std::wstring caption, int button)
        : thread_([this, caption = std::move(caption), button] {
              for (int tries = 0; tries < 500 && !answered_; ++tries) {
                  HWND box = FindWindowW(L"#32770", caption.c_str());
                  if (box != nullptr && IsWindowVisible(box)) {
                      text = dialogText(box, 0xFFFF);
                      for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                          if (HWND control = GetDlgItem(box, id)) {
                              buttons.push_back(windowText(control));
                          }
                      }
                      PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
                      answered_ = true;
                  }
                  Sleep(10);
              }
          }) {}
    ~BoxAnswerer() { thread_.join(); }

    std::string text;
    std::vector<std::string> buttons;

  private:
    static std::string windowText(HWND window) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return win32::narrow(text);
    }
    static std::string dialogText(HWND box, int id) { return windowText(GetDlgItem(box, id)); }

    std::atomic<bool> answered_ = false;
    std::thread thread_;
};

TEST(NativeMessageBoxesTest, ShowsTheTextAndReturnsTheButtonPressed) {
    win32::NativeMessageBoxes boxes;
    struct Case {
        MessageBoxStyle style;
        int pressed;
        std::vector<std::string> buttons;
    };
    for (const auto& [style, pressed, buttons] :
         {Case{MessageBoxStyle::WarningOk, IDOK, {"OK"}},
          Case{MessageBoxStyle::WarningYesNo, IDYES, {"&Yes", "&No"}},
          Case{MessageBoxStyle::WarningYesNo, IDNO, {"&Yes", "&No"}}}) {
        BoxAnswerer user(L"Внимание!", pressed);
        EXPECT_EQ(boxes.show("Формат карты?", "Внимание!", style),
                  static_cast<MessageBoxButton>(pressed));
        EXPECT_EQ(user.text, "Формат карты?");
        EXPECT_EQ(user.buttons, buttons);
    }
}

TEST(NativeMessageBoxesTest, RelabelsTheNextBoxAloneWithACyrillicOk) {
    win32::NativeMessageBoxes boxes;
    boxes.relabelNextBox();
    {
        BoxAnswerer user(L"Atención", IDOK);
        EXPECT_EQ(boxes.show("Sin conexión", "Atención", MessageBoxStyle::WarningOk),
                  MessageBoxButton::Ok);
        EXPECT_EQ(user.buttons, std::vector<std::string>{"\u041E\u041A"});
    }
    BoxAnswerer user(L"Atención", IDOK);
    boxes.show("Sin conexión", "Atención", MessageBoxStyle::WarningOk);
    EXPECT_EQ(user.buttons, std::vector<std::string>{"OK"});
}

}  // namespace
