#include "export/Snapshot_Geometry.h"

namespace halvorn {

Snapshot_Geometry Snapshot_Geometry_For(const Snapshot_Measures& m)
{
    const int height = m.Exit_Button_Top - m.Tab_Sheet_Top;
    return {
        m.Page_Control_Width,
        height,
        {m.Tab_Sheet_Left, m.Tab_Sheet_Top, m.Page_Control_Width, m.Tab_Sheet_Top + m.Exit_Button_Top},
        {0, 0, m.Page_Control_Width, height},
    };
}

}  // namespace halvorn
