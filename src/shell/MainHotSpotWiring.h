#pragma once

namespace tavoclip {

class frmMain;

// Connects the main window's hot spots, links and drop-down buttons to the
// window's handlers and to the hover pictures. Kept apart from frmMain, which
// builds the controls; this only says which signal reaches which handler.
class MainHotSpotWiring {
public:
    static void Connect(frmMain& window)
    {
        ConnectHotSpots(&window);
        ConnectDropDowns(&window);
    }

private:
    static void ConnectHotSpots(frmMain* self);
    static void ConnectDropDowns(frmMain* self);
};

}  // namespace tavoclip
