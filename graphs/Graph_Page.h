// The graph page: the property list with its arrow buttons, the chart, and the page's
// buttons. Every change of the chosen property redraws the chart.
#pragma once

#include <functional>
#include <vector>

#include "chart/Chart_Control.h"
#include "platform/Control_Factory.h"
#include "platform/Tooltip.h"

namespace halvorn {

struct Program_Texts;
class TElement_Report_Form;

// The page's controls without a menu item of their own, whose commands the page handles.
enum Graph_Page_Control_Id : unsigned short {
    Previous_Graph_SpeedButton = 2001,
    Graph_Type_ComboBox,
    Next_Graph_SpeedButton,
    Plotted_Against_ComboBox,
};

class Graph_Page {
public:
    // show_page brings the graph page to the front.
    Graph_Page(Control_Factory& factory, const Program_Texts& texts, TElement_Report_Form& report,
               std::function<void()> show_page)
        : factory_(factory), texts_(texts), report_(report), show_page_(std::move(show_page)) {}

    void Create(Component& page);

    // The chosen item of the list, or -1 when none is.
    int Graph_Index() const;
    // Selects an item by program, which draws nothing by itself; an index outside the
    // list selects none.
    void Select_Graph(int index);
    // What the property is plotted against: 0 atomic order, k property k - 1; the same
    // for selecting, which draws nothing by itself.
    int Against_Index() const;
    void Select_Against(int index);

    void Graph_Type_ComboBoxChange();
    void Previous_Graph_SpeedButtonClick();
    void Next_Graph_SpeedButtonClick();
    void Copy_Graph_To_Windows_Clipboard_BitBtnClick();

    Chart_Control& Chart1() { return chart_; }
    // The chart as the copy shows it: with the credit line at its foot.
    Chart_Model Credited_Chart() const;
    Component& Chart1_Component() const { return *chart_component_; }
    // The text of the pointer's tip over point index of the graph, empty for none.
    std::wstring Point_Tip(int point) const;
    // The tip window, once the pointer has first come near a point.
    HWND Point_Tip_Window() const { return point_tip_.Window(); }

private:
    void Chart_Mouse_Move(POINT point);
    void Chart_Mouse_Down();
    // Hides the tip; a click opens nothing until the pointer comes near a point again.
    void Forget_Hovered_Point();

    Control_Factory& factory_;
    const Program_Texts& texts_;
    TElement_Report_Form& report_;
    std::function<void()> show_page_;
    Component* page_ = nullptr;
    Component* graph_list_ = nullptr;
    Component* against_list_ = nullptr;
    Component* chart_component_ = nullptr;
    Chart_Control chart_;
    std::vector<int> point_elements_;  // the element number of each point plotted
    int hovered_point_ = -1;
    POINT pointer_{-1, -1};      // where the pointer last moved over the chart
    POINT clicked_at_{-1, -1};   // the tip stays hidden while the pointer rests where it clicked
    Tooltip point_tip_;
};

}  // namespace halvorn
