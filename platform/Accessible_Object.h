// The COM object that answers assistive technology for a Graphic_Accessible: the client
// area's IAccessible, its children's names, roles, places, focus and default actions. It
// outlives its owner while clients hold it; from then on every call fails as disconnected.
#pragma once

#include <windows.h>

namespace halvorn {

class Accessible_Object;
class Graphic_Accessible;

// A new object, with one reference, which owner holds.
Accessible_Object* New_Accessible_Object(Graphic_Accessible& owner);
// The owner is gone: clients are told so, and the owner's reference is dropped.
void Release_Accessible_Object(Accessible_Object* object);
// The answer to WM_GETOBJECT that hands the object out.
LRESULT Accessible_Object_Result(Accessible_Object* object, WPARAM w);

}  // namespace halvorn
