// Loads the real Barvella.so from the program directory and drives its entry points with a
// list of plain data, as the host would around a Generate command.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include <wx/dynlib.h>

#include "folivex/plugin.h"
#include "test_support.h"

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
    testsupport::FakePluginList m_list;
    StartUpFunc m_startUp = nullptr;
    CleanUpFunc m_cleanUp = nullptr;
    CreateHTMLFunc m_createHtml = nullptr;
};
