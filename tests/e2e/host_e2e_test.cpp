// The real Folivex binary under the test display: what a user sees at start-up and at exit.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "recording_plugin_control.h"
#include "test_support.h"

// True once `condition` holds, false when it has not within 15 seconds.
static bool WaitFor(const auto& condition) {
    for (int poll = 0; poll < 750; ++poll, ::usleep(20000))
        if (condition()) return true;
    return false;
}

struct HostEndToEnd : testing::Test {
    void SetUp() override {
        // Windows come and go while the tree is walked; a vanished one is no error here.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        ASSERT_NE(display, nullptr) << "no display";
        root = scratch.path;
        for (const char* directory : {"/program", "/start"}) std::filesystem::create_directory(root + directory);
        std::filesystem::copy_file(FOLIVEX_TEST_PROGRAM_DIR "/Folivex", root + "/program/Folivex");
        std::filesystem::copy_file(FOLIVEX_TEST_PLUGIN_DIR "/RecordingPlugin.so", root + "/program/RecordingPlugin.so");
        ::setenv(recording_plugin::kLogVariable, (root + "/calls.log").c_str(), 1);
    }
    void TearDown() override {
        if (host > 0 && ::kill(host, SIGKILL) == 0) ::waitpid(host, nullptr, 0);
        if (display != nullptr) XCloseDisplay(display);
    }

    // The host, started in the start directory; it dies with the test and keeps its output
    // out of the test runner's pipe.
    void Start() {
        if ((host = ::fork()) != 0) return;
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        std::freopen((root + "/host.out").c_str(), "w", stdout);
        ::dup2(STDOUT_FILENO, STDERR_FILENO);
        if (::chdir((root + "/start").c_str()) == 0) ::execl((root + "/program/Folivex").c_str(), "Folivex", nullptr);
        ::_exit(127);
    }
    // True for a top-level window of the host under test: other tests on the same display
    // open windows with the same titles.
    bool OwnedByHost(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* pid = nullptr;
        const bool owned = XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                                              XA_CARDINAL, &type, &format, &count, &after, &pid) == Success &&
                           pid != nullptr && count == 1 && *reinterpret_cast<long*>(pid) == host;
        if (pid) XFree(pid);
        return owned;
    }
    // The host's viewable window below `parent` whose UTF-8 title is `title`, or 0.
    Window FindViewable(const std::string& title, Window parent = 0) {
        Window unused = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, parent ? parent : DefaultRootWindow(display), &unused, &unused, &children, &count))
            return 0;
        Window found = 0;
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            XWindowAttributes attributes{};
            XTextProperty name{};
            if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
                XGetTextProperty(display, children[i], &name, XInternAtom(display, "_NET_WM_NAME", False))) {
                if (std::string(reinterpret_cast<char*>(name.value), name.nitems) == title && OwnedByHost(children[i]))
                    found = children[i];
                XFree(name.value);
            }
            if (found == 0) found = FindViewable(title, children[i]);
        }
        if (children) XFree(children);
        return found;
    }
    // Asks the window titled `title` to close, as its close box would, until `done` holds: a
    // request that arrives while the window is being mapped is lost.
    bool CloseUntil(const std::string& title, const auto& done) {
        return WaitFor([&] {
            if (done()) return true;
            if (Window window = FindViewable(title)) {
                XEvent event{};
                event.xclient.type = ClientMessage;
                event.xclient.window = window;
                event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
                event.xclient.format = 32;
                event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
                XSendEvent(display, window, False, NoEventMask, &event);
                XFlush(display);
            }
            return false;
        });
    }
    // The host's message box shows while the window titled `caption` does not yet; closing the
    // box shows that window, and closing the window ends the host with 0.
    void ExpectMessageThenWindowThenExit(const std::string& caption) {
        ASSERT_TRUE(WaitFor([&] { return FindViewable("Folivex") != 0; }));
        EXPECT_EQ(FindViewable(caption), 0u) << "the main window showed before the message";
        ASSERT_TRUE(CloseUntil("Folivex", [&] { return FindViewable(caption) != 0; }));
        int status = -1;
        ASSERT_TRUE(CloseUntil(caption, [&] { return ::waitpid(host, &status, WNOHANG) == host; }));
        host = 0;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    Display* display = XOpenDisplay(nullptr);
    testsupport::TempDirectory scratch;
    std::string root;
    pid_t host = 0;
};

TEST_F(HostEndToEnd, WithoutSettingsTheMessageComesFirstThenTheWindowAndExitSavesTheSettings) {
    Start();
    ExpectMessageThenWindowThenExit("ﾌﾟﾗｸﾞｲﾝを設定してください - Folivex");
    EXPECT_EQ(testsupport::ReadFile(scratch.File("program/Folivex.ini")),
              "[DEFAULT]\r\nHTMLOutDirectory=\r\nHTMLIndexFileName=\r\nHTMLEditorPath=\r\n"
              "BrowseHTMLAfterCreate=0\r\nPluginName=\r\n");
}

// StartUp fails, so its message shows whether it ran before the window showed.
TEST_F(HostEndToEnd, PluginStartsInTheStartDirectoryBeforeTheWindowShowsAndCleansUpAtExit) {
    // Read from the program directory while the host starts in another.
    std::ofstream(root + "/program/Folivex.ini") << "[DEFAULT]\r\nPluginName=RecordingPlugin.so\r\n";
    ::setenv(recording_plugin::ResultVariable("StartUp").c_str(), "-1", 1);
    Start();
    ExpectMessageThenWindowThenExit("RecordingPlugin.so - Folivex");
    EXPECT_EQ(testsupport::ReadFile(scratch.File("calls.log")), "StartUp\t" + root + "/start\t0\t0\nCleanUp\n");
}
