// Program entry.
#include <windows.h>

#include "app/Program_Windows.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return halvorn::Run_Program();
}
