// Loads the real Barvella.so from the program directory and drives its entry points with a
// list that only records rows, as the host would around a Generate command.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include <wx/dynlib.h>

#include "folivex/plugin.h"

class RecordingList final : public IPluginList {
public:
    int InsertColumn(int column, std::string_view, ListColumnAlign, int) override { return column; }
    bool DeleteColumn(int) override { return true; }
    int GetColumnCount() const override { return 5; }
    int InsertItem(int, std::string_view text) override {
        m_cells[{m_rows, 0}] = text;
        return m_rows++;
    }
    bool SetItemText(int item, int column, std::string_view text) override {
        m_cells[{item, column}] = text;
        return true;
    }
    std::string GetItemText(int item, int column) const override {
        const auto found = m_cells.find({item, column});
        return found == m_cells.end() ? std::string() : found->second;
    }
    bool DeleteItem(int) override { return true; }
    bool DeleteAllItems() override {
        m_cells.clear();
        m_rows = 0;
        return true;
    }
    int GetItemCount() const override { return m_rows; }
    int GetFirstSelectedItem() const override { return -1; }
    void SetFullRowSelect(bool) override {}
    void SetSortAscending(bool) override {}

private:
    std::map<std::pair<int, int>, std::string> m_cells;
    int m_rows = 0;
};

class BarvellaSession {
public:
    static BarvellaSession& Get() {
        // Never unloaded: the host, too, keeps it until the process ends.
        static BarvellaSession* session = new BarvellaSession;
        return *session;
    }
    static std::string ProgramDirectory() { return FOLIVEX_TEST_PROGRAM_DIR; }

    bool Loaded() const { return m_startUp && m_cleanUp && m_createHtml; }
    int StartUp(const std::string& directory) { return m_startUp(&m_list, directory.c_str()); }
    int CleanUp() { return m_cleanUp(); }
    int CreateHTML(const std::string& out, const std::string& index) {
        return m_createHtml(&m_list, out.c_str(), index.c_str());
    }

private:
    BarvellaSession() {
        if (!m_library.Load(ProgramDirectory() + "/Barvella.so", wxDL_NOW)) return;
        m_startUp = reinterpret_cast<StartUpFunc>(m_library.GetSymbol("StartUp"));
        m_cleanUp = reinterpret_cast<CleanUpFunc>(m_library.GetSymbol("CleanUp"));
        m_createHtml = reinterpret_cast<CreateHTMLFunc>(m_library.GetSymbol("CreateHTML"));
    }

    wxDynamicLibrary m_library;
    RecordingList m_list;
    StartUpFunc m_startUp = nullptr;
    CleanUpFunc m_cleanUp = nullptr;
    CreateHTMLFunc m_createHtml = nullptr;
};
