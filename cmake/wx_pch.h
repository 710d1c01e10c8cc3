#pragma once

#include <wx/wx.h>
#include <wx/listctrl.h>
#include <wx/propdlg.h>
#include <wx/dynlib.h>
#include <wx/filedlg.h>
#include <wx/dirdlg.h>
#include <wx/gauge.h>
#include <wx/stdpaths.h>
