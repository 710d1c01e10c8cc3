// Command ids of the menus, the tool bar, the context menu and the view's keys.
#pragma once

// The host's command numbers (32771 and up) lie above the window ids wx accepts (below
// 0x7FFF), so each wx id is its command number less 0x8000, which keeps the numbers apart
// and in order.
constexpr int CommandWindowId(int command) {
    return command - 0x8000;
}

namespace HostCommand {
enum : int {
    CreateHTML = CommandWindowId(32771),
    BrowseHTML = CommandWindowId(32772),
    EditHTML = CommandWindowId(32773),
    AddItem = CommandWindowId(32774),
    EditItem = CommandWindowId(32775),
    DeleteItem = CommandWindowId(32776),
    ViewItem = CommandWindowId(32777),
    SearchItem = CommandWindowId(32778),
    ClearList = CommandWindowId(32779),
    Manual = CommandWindowId(32780),
    PluginAbout = CommandWindowId(32781),
    PluginHelp = CommandWindowId(32782),
    Options = CommandWindowId(32783),
    PluginOption = CommandWindowId(32784),
    CopyItem = CommandWindowId(32786),
    About = CommandWindowId(57664),
    Exit = CommandWindowId(57665),
    ToggleToolBar = CommandWindowId(59392),
    ToggleStatusBar = CommandWindowId(59393),
};
}
