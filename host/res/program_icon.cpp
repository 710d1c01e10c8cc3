#include "program_icon.h"

#include "manual_tool.xpm"
#include "program_icon.xpm"

wxIcon ProgramIcon() {
    return wxIcon(program_icon_xpm);
}

wxBitmap ManualToolImage() {
    return wxBitmap(manual_tool_xpm);
}
