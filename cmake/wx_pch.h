#pragma once

#include <wx/dirdlg.h>
#include <wx/dynlib.h>
#include <wx/filedlg.h>
#include <wx/gauge.h>
#include <wx/listctrl.h>
#include <wx/propdlg.h>
#include <wx/stdpaths.h>
#include <wx/wx.h>
