// The program's own images, drawn for this program.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>

// The program icon (32 by 32), for the main window and the about box.
wxIcon ProgramIcon();

// The tool-bar image of the manual button (16 by 15).
wxBitmap ManualToolImage();
