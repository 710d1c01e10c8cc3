// The real Folivex binary under the test display: what a user sees at start-up and at exit.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "recording_plugin_control.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Top-level windows as the window manager would see them: by their UTF-8 title.
class Screen {
public:
    Screen() : m_display(XOpenDisplay(nullptr)) {
        // Windows come and go while the tree is walked; a vanished one is no error here.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~Screen() {
        if (m_display) XCloseDisplay(m_display);
    }
    bool IsOpen() const { return m_display != nullptr; }

    Window FindViewable(const std::string& title) { return Find(DefaultRootWindow(m_display), title); }

    // A close request, as a click on the title bar's close box sends it.
    void RequestClose(Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_display, window, False, NoEventMask, &event);
        XFlush(m_display);
    }

private:
    std::string Title(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::string title;
        if (XGetWindowProperty(m_display, window, XInternAtom(m_display, "_NET_WM_NAME", False), 0, 1024, False,
                               XInternAtom(m_display, "UTF8_STRING", False), &type, &format, &count, &after,
                               &data) == Success &&
            data != nullptr) {
            title.assign(reinterpret_cast<char*>(data), count);
            XFree(data);
        }
        return title;
    }

    Window Find(Window parent, const std::string& title) {
        Window root = 0, parentOut = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_display, parent, &root, &parentOut, &children, &count)) return 0;
        Window found = 0;
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(m_display, children[i], &attributes) && attributes.map_state == IsViewable &&
                Title(children[i]) == title) {
                found = children[i];
            }
            if (found == 0) found = Find(children[i], title);
        }
        if (children) XFree(children);
        return found;
    }

    Display* m_display;
};

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 15s) {
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (condition()) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class HostEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/folivex-e2e-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        programDirectory = root / "program";
        startDirectory = root / "start";
        fs::create_directories(programDirectory);
        fs::create_directories(startDirectory);
        fs::copy_file(fs::path(FOLIVEX_TEST_PROGRAM_DIR) / "Folivex", programDirectory / "Folivex");
        fs::copy_file(fs::path(FOLIVEX_TEST_PLUGIN_DIR) / recording_plugin::kRecordingPlugin,
                      programDirectory / recording_plugin::kRecordingPlugin);
        ASSERT_TRUE(screen.IsOpen()) << "no display";
    }

    void TearDown() override {
        if (host > 0 && ::waitpid(host, nullptr, WNOHANG) == 0) {
            ::kill(host, SIGKILL);
            ::waitpid(host, nullptr, 0);
        }
        fs::remove_all(root);
    }

    void Start() {
        host = ::fork();
        if (host == 0) {
            // The host dies with the test and keeps its output out of the test runner's pipe.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int output = ::open((root / "host.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(output, STDOUT_FILENO);
            ::dup2(output, STDERR_FILENO);
            if (::chdir(startDirectory.c_str()) != 0) ::_exit(126);
            ::setenv(recording_plugin::kLogVariable, (root / "calls.log").c_str(), 1);
            const std::string program = (programDirectory / "Folivex").string();
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }

    // Closes the window titled `title` as the user would, asking again while it stays
    // mapped (a request that arrives while the window is being mapped is lost).
    int CloseAndWaitForExit(const std::string& title) {
        int status = -1;
        int polls = 0;
        const bool exited = WaitFor([&] {
            if (::waitpid(host, &status, WNOHANG) == host) return true;
            if (polls++ % 25 == 0) {
                if (Window window = screen.FindViewable(title)) screen.RequestClose(window);
            }
            return false;
        });
        if (!exited) return -1;
        host = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    Screen screen;
    fs::path root, programDirectory, startDirectory;
    pid_t host = 0;
};

TEST_F(HostEndToEnd, WithoutSettingsTheMessageComesFirstThenTheWindowAndExitSavesTheSettings) {
    Start();
    Window message = 0;
    ASSERT_TRUE(WaitFor([&] { return (message = screen.FindViewable("Folivex")) != 0; }));
    const std::string caption = "ﾌﾟﾗｸﾞｲﾝを設定してください - Folivex";
    EXPECT_EQ(screen.FindViewable(caption), 0u) << "the main window showed before the message";

    // A close request that reaches the box while it is still being mapped is lost: ask again
    // until the main window shows.
    ASSERT_TRUE(WaitFor([&] {
        if (screen.FindViewable(caption) != 0) return true;
        if (Window box = screen.FindViewable("Folivex")) screen.RequestClose(box);
        return false;
    }));
    EXPECT_EQ(CloseAndWaitForExit(caption), 0);
    EXPECT_EQ(ReadFile(programDirectory / "Folivex.ini"),
              "[DEFAULT]\r\nHTMLOutDirectory=\r\nHTMLIndexFileName=\r\nHTMLEditorPath=\r\n"
              "BrowseHTMLAfterCreate=0\r\nPluginName=\r\n");
}

TEST_F(HostEndToEnd, PluginStartsInTheStartDirectoryBeforeTheWindowShowsAndCleansUpAtExit) {
    std::ofstream(programDirectory / "Folivex.ini", std::ios::binary)
        << "[DEFAULT]\r\nBrowseHTMLAfterCreate=1abc\r\nPluginName=RecordingPlugin.so\r\n";
    Start();
    std::string logWhenShown;
    ASSERT_TRUE(WaitFor([&] {
        const bool shown = screen.FindViewable("RecordingPlugin.so - Folivex") != 0;
        if (shown) logWhenShown = ReadFile(root / "calls.log");
        return shown;
    }));
    EXPECT_EQ(logWhenShown, "StartUp\t" + startDirectory.string() + "\t0\t0\n");

    EXPECT_EQ(CloseAndWaitForExit("RecordingPlugin.so - Folivex"), 0);
    EXPECT_EQ(ReadFile(root / "calls.log"), logWhenShown + "CleanUp\n");
    EXPECT_NE(ReadFile(programDirectory / "Folivex.ini").find("BrowseHTMLAfterCreate=1\r\n"), std::string::npos);
}

}  // namespace
