// The graph page: the arrow buttons and the list that choose the property, and the page's
// buttons.
#pragma once

#include "platform/Control_Factory.h"

namespace halvorn {

class Graph_Page {
public:
    explicit Graph_Page(Control_Factory& factory) : factory_(factory) {}

    void Create(Component& page);

    // The chosen item of the list, or -1 when none is.
    int Graph_Index() const;
    // Selects an item by program; an index outside the list selects none.
    void Select_Graph(int index);

private:
    Control_Factory& factory_;
    Component* graph_list_ = nullptr;
};

}  // namespace halvorn
