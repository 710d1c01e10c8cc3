// The whole contract between the Folivex host and a plug-in library.
// Both deliverables include this header; neither links the other.
//
// Texts: list headings and cell texts cross as Shift-JIS (CP932) bytes. Paths (the start
// directory, the output directory, the index file name) cross as file-system bytes, as the
// system gives and takes them.
//
// IPluginList is a C++ interface: host and plug-in must be built with the same compiler and
// standard library (std::string crosses it).
#pragma once

#include <string>
#include <string_view>

inline constexpr int PLUGIN_OK = 0;
inline constexpr int PLUGIN_FAILED = -1;
inline constexpr int PLUGIN_CANCELLED = -1001;

enum class ListColumnAlign { Left, Center, Right };

// The host's report list as the plug-in sees it. The host owns the control;
// the plug-in owns its columns and rows. Valid for the duration of one call.
class IPluginList {
public:
    // Returns the new column's index, or -1.
    virtual int InsertColumn(int column, std::string_view heading, ListColumnAlign align, int width) = 0;
    virtual bool DeleteColumn(int column) = 0;
    virtual int GetColumnCount() const = 0;

    // Inserts a row whose first-column text is `text`. With the sorted style on, the
    // position is ignored and the row goes to its place in ascending text order.
    // Returns the row's index, or -1.
    virtual int InsertItem(int position, std::string_view text) = 0;
    virtual bool SetItemText(int item, int column, std::string_view text) = 0;
    virtual std::string GetItemText(int item, int column) const = 0;
    virtual bool DeleteItem(int item) = 0;
    virtual bool DeleteAllItems() = 0;
    virtual int GetItemCount() const = 0;

    // First selected row, or -1.
    virtual int GetFirstSelectedItem() const = 0;

    virtual void SetFullRowSelect(bool on) = 0;
    virtual void SetSortAscending(bool on) = 0;

protected:
    ~IPluginList() = default;
};

// The thirteen entry points, exported by their plain names.
extern "C" {
using CreateHTMLFunc = int (*)(IPluginList* list, const char* outDirectory, const char* indexFileName);
using AddItemFunc = int (*)(IPluginList* list);
using DeleteItemFunc = int (*)(IPluginList* list);
using EditItemFunc = int (*)(IPluginList* list);
using CopyItemFunc = int (*)(IPluginList* list);
using ViewItemFunc = int (*)(IPluginList* list);
using SearchItemFunc = int (*)(IPluginList* list);
using ClearListFunc = int (*)(IPluginList* list);
using OptionFunc = int (*)();
using AboutFunc = int (*)();
using HelpFunc = int (*)();
using StartUpFunc = int (*)(IPluginList* list, const char* startupDirectory);
using CleanUpFunc = int (*)();
}

// The exported names, in the order in which the loader binds them.
inline constexpr const char* kPluginEntryNames[] = {
    "CreateHTML", "AddItem", "DeleteItem", "EditItem", "CopyItem", "ViewItem", "SearchItem",
    "ClearList",  "Option",  "About",      "Help",     "StartUp",  "CleanUp",
};

// Marks an entry point for export from a library built with hidden visibility.
#define FOLIVEX_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
