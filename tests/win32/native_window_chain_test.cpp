#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "camera_hold.h"
#include "dialog_window.h"
#include "emulated_camera_library.h"
#include "file_contents.h"
#include "file_lock.h"
#include "language_setting.h"
#include "native_hand_over.h"
#include "native_message_boxes.h"
#include "temporary_directory.h"
#include "text_measure.h"
#include "wide_text.h"

namespace {

// The About entry of a login window's system menu.
constexpr UINT kAboutCommand = 16;

std::string windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return win32::narrow(text);
}

// A user at the keyboard while the windows run modally, one level inside another: at each tick of
// a timer on the windows' thread, which every modal loop serves, the next step waits for its
// window and acts on it the way a click does, through the window's queue.
class User {
  public:
    using Step = std::function<bool()>;

    explicit User(std::vector<Step> steps) : steps_(std::move(steps)) {
        current = this;
        timer_ = SetTimer(nullptr, 0, 20, &tick);
    }
    ~User() {
        KillTimer(nullptr, timer_);
        current = nullptr;
    }
    bool done() const { return next_ == steps_.size(); }

  private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current == nullptr || current->done()) {
            return;
        }
        if (++current->ticks_ > kPatience) {
            // A step that never came: the windows are closed, so that the test ends and fails.
            EnumThreadWindows(GetCurrentThreadId(), &cancel, 0);
        } else if (current->steps_[current->next_]()) {
            ++current->next_;
        }
    }

    static BOOL CALLBACK cancel(HWND window, LPARAM) {
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }

    static constexpr int kPatience = 500;

    static inline User* current = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ticks_ = 0;
    UINT_PTR timer_;
};

struct Search {
    const std::function<bool(HWND)>& matches;
    HWND found = nullptr;
};

BOOL CALLBACK searchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    if (IsWindowVisible(window) && search->matches(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND shownWindow(const std::function<bool(HWND)>& matches) {
    Search search{matches};
    EnumThreadWindows(GetCurrentThreadId(), &searchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool isLoginWindow(HWND window) {
    return GetMenuState(GetSystemMenu(window, FALSE), kAboutCommand, MF_BYCOMMAND) != UINT(-1);
}

// A control of an edition's window, by the name its layout gives it.
HWND control(HWND window, const win32::DialogLayout& layout, std::string_view name) {
    for (std::size_t index = 0; index < layout.items.size(); ++index) {
        if (layout.items[index].name == name) {
            return GetDlgItem(window, win32::DialogWindow::itemId(index));
        }
    }
    ADD_FAILURE() << "no control " << name;
    return nullptr;
}

void click(HWND window, HWND button) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

class NativeWindowChainTest : public testing::TestWithParam<int> {
  protected:
    NativeWindowChainTest() {
        _wputenv((L"QUMAT_CHANGE_LOG=" + (directory / "changes.log").wstring()).c_str());
    }
    ~NativeWindowChainTest() override { _wputenv(L"QUMAT_CHANGE_LOG="); }

    // The edition's window of that kind when it shows, or the box of that caption.
    HWND window(bool login) const {
        return shownWindow([this, login](HWND window) {
            return windowText(window) == edition.title && isLoginWindow(window) == login;
        });
    }
    User::Step clickInLoginWindow(std::string_view name) const {
        return [this, name] {
            HWND login = window(true);
            if (login != nullptr) {
                click(login, control(login, loginLayout, name));
            }
            return login != nullptr;
        };
    }
    User::Step answerBox(std::string_view caption, int button) {
        return [caption, button] {
            HWND box =
                shownWindow([caption](HWND window) { return windowText(window) == caption; });
            if (box != nullptr) {
                click(box, GetDlgItem(box, button));
            }
            return box != nullptr;
        };
    }

    // As the program runs them: the start edition's login window, modally, with the window
    // system's own boxes; returns when every window has ended.
    void runWindows(camera::CameraHold* hold = nullptr) {
        win32::NativeMessageBoxes boxes;
        window_logic::Session session;
        win32::NativeHandOver handOver(camera, boxes, session, directory / "Language.ini", hold);
        handOver.runLoginWindow(edition);
    }

    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{directory.path()};
    const editions::Edition& edition = editions::edition(GetParam());
    const win32::TextMeasure measure;
    const window_logic::TextWidth width = [this](std::string_view text) {
        return measure.width(text);
    };
    const win32::DialogLayout loginLayout = window_logic::loginDialog(edition, width, 0);
    const win32::DialogLayout settingsLayout = window_logic::settingsDialog(edition, width);
};

// Connect, log in, reach the settings window, write a device ID and close; every box is the window
// system's own, answered as a user answers it.
TEST_P(NativeWindowChainTest, LogsInAndChangesASettingThroughTheModalWindows) {
    auto state = camera.state();
    if (edition.model.usesLongMenuRecord()) {
        state.model = k47::Model::stc;
        state.menuRecord = k47::factorySettings(k47::Model::stc).menuRecord;
    }
    camera.setState(state);
    const auto& texts = edition.language.login;
    User user({
        clickInLoginWindow("connectButton"),
        [&] {
            HWND login = window(true);
            HWND connect = control(login, loginLayout, "connectButton");
            if (windowText(connect) != texts.connectedButton) {
                return false;
            }
            SetWindowTextW(control(login, loginLayout, "passwordEdit"), L"000000");
            click(login, control(login, loginLayout, "loginButton"));
            return true;
        },
        answerBox(texts.caption, IDOK),
        [&] {
            HWND settings = window(false);
            if (settings != nullptr) {
                SetWindowTextW(control(settings, settingsLayout, "deviceIdEdit"), L"B654321");
                click(settings, control(settings, settingsLayout, "identitySetButton"));
            }
            return settings != nullptr;
        },
        answerBox(edition.language.settings.caption, IDOK),
        [&] {
            // Esc.
            PostMessageW(window(false), WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });

    runWindows();
    EXPECT_TRUE(user.done());
    EXPECT_EQ(camera.state().deviceId, "B654321");
    const auto log = testing_support::fileContents(directory / "changes.log");
    EXPECT_NE(log.find("B654321"), std::string::npos) << log;
    EXPECT_NE(log.find("\"window\""), std::string::npos) << log;
}

// A failed Connect's box, relabelled where the edition does it, then the language list hands over
// to the next edition's login window and writes its number into the language file.
TEST_P(NativeWindowChainTest, ConnectFailsAndTheLanguageListHandsOver) {
    if (!edition.language.hasLanguageList) {
        GTEST_SKIP() << "the edition has no language list";
    }
    auto state = camera.state();
    state.faults.failing.insert(k47::Function::Init_Device);
    camera.setState(state);
    const int next = (edition.index + 1) % 4;
    const auto& nextTexts = editions::edition(next).language.login;
    std::vector<std::string> okButton;
    User user({
        clickInLoginWindow("connectButton"),
        [&] {
            HWND box = shownWindow(
                [&](HWND window) { return windowText(window) == edition.language.login.caption; });
            if (box != nullptr) {
                okButton.push_back(windowText(GetDlgItem(box, IDOK)));
                click(box, GetDlgItem(box, IDOK));
            }
            return box != nullptr;
        },
        [&] {
            HWND login = window(true);
            HWND list = control(login, loginLayout, "languageList");
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(next), 0);
            PostMessageW(login, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            return true;
        },
        [&] {
            HWND login = window(true);
            if (login == nullptr || windowText(control(login, loginLayout, "connectButton")) !=
                                        nextTexts.connectButton) {
                return false;
            }
            PostMessageW(login, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });

    runWindows();
    EXPECT_TRUE(user.done());
    EXPECT_EQ(okButton, std::vector<std::string>{
                            edition.language.relabelsConnectFailBox ? "\u041E\u041A" : "OK"});
    EXPECT_EQ(editions::readLanguageSetting(directory / "Language.ini"), std::to_string(next));
}

INSTANTIATE_TEST_SUITE_P(Editions, NativeWindowChainTest, testing::Range(0, 5));

// Another program at the same camera: the command line, with the camera library beside it, in a
// process of its own.
class NativeLoginHoldTest : public NativeWindowChainTest {
  protected:
    ~NativeLoginHoldTest() override {
        if (other_.hProcess != nullptr) {
            TerminateProcess(other_.hProcess, 1);
            WaitForSingleObject(other_.hProcess, INFINITE);
            CloseHandle(other_.hProcess);
            CloseHandle(other_.hThread);
        }
    }

    // Starts `qumat show` on the window's camera, whose firmware read takes a minute, and waits
    // until it holds the camera; the camera's lock file.
    std::filesystem::path startOtherProgram() {
        auto state = camera.state();
        state.faults.delays = {{k47::Function::Qumat_GetFwVersion, 60000}};
        camera.setState(state);
        std::filesystem::copy_file(QUMAT_COMMAND_LINE, directory / "qumat.exe");
        std::filesystem::copy_file(K47_LIBRARY, directory / "k47_4g_pc.dll");
        _wputenv((L"K47_CAMERA_STATE=" + (directory / "camera.ini").wstring()).c_str());
        _wputenv(L"QUMAT_PASSWORD=000000");
        const auto lockFile = camera::cameraLockFile();
        std::wstring commandLine = L"qumat.exe show";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        const bool started =
            CreateProcessW((directory / "qumat.exe").c_str(), commandLine.data(), nullptr, nullptr,
                           FALSE, 0, nullptr, nullptr, &startup, &other_);
        _wputenv(L"K47_CAMERA_STATE=");
        _wputenv(L"QUMAT_PASSWORD=");
        EXPECT_TRUE(started);
        for (int tries = 0; started && tries < 200 && !holdsTheCamera(lockFile); ++tries) {
            Sleep(100);
        }
        EXPECT_TRUE(holdsTheCamera(lockFile));
        return lockFile;
    }

    bool holdsTheCamera(const std::filesystem::path& lockFile) const {
        return platform::FileLock::holderOf(lockFile) == other_.dwProcessId;
    }

    void killOtherProgram() {
        TerminateProcess(other_.hProcess, 1);
        WaitForSingleObject(other_.hProcess, INFINITE);
    }

  private:
    PROCESS_INFORMATION other_{};
};

// While another program holds the camera, Connect shows its failure box and asks the camera
// nothing; once that program is killed, Connect connects.
TEST_P(NativeLoginHoldTest, ConnectFailsWhileAnotherProgramHoldsTheCamera) {
    camera::CameraHold hold(startOtherProgram());
    const auto& texts = edition.language.login;
    std::string boxText;
    std::vector<std::string> journalAtTheBox;
    User user({
        clickInLoginWindow("connectButton"),
        [&] {
            HWND box =
                shownWindow([&](HWND window) { return windowText(window) == texts.caption; });
            if (box != nullptr) {
                boxText = windowText(GetDlgItem(box, 0xFFFF));
                journalAtTheBox = camera.journal();
                killOtherProgram();
                click(box, GetDlgItem(box, IDOK));
            }
            return box != nullptr;
        },
        clickInLoginWindow("connectButton"),
        [&] {
            HWND login = window(true);
            if (windowText(control(login, loginLayout, "connectButton")) != texts.connectedButton) {
                return false;
            }
            PostMessageW(login, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });

    runWindows(&hold);
    EXPECT_TRUE(user.done());
    EXPECT_EQ(boxText, texts.connectFail);
    EXPECT_EQ(journalAtTheBox, std::vector<std::string>());
    EXPECT_EQ(camera.journal().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(English, NativeLoginHoldTest, testing::Values(editions::kEnglish));

}  // namespace
