#include "platform/app_instance.h"

static HINSTANCE s_instance;

HINSTANCE AppInstance()
{
    return s_instance;
}

void SetAppInstance(HINSTANCE instance)
{
    s_instance = instance;
}
