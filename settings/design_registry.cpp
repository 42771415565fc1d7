#include "settings/design_registry.h"

#include <stdio.h>

bool DesignSectionName(uint32_t number, char* out, size_t size)
{
    if (number == 0 || number > kMaxDesigns) {
        if (size > 0) {
            out[0] = '\0';
        }
        return false;
    }
    int n = snprintf(out, size, "DESIGN%03u", (unsigned)number);
    return n > 0 && (size_t)n < size;
}

// Overwriting needs a design in force; choosing needs designs to choose
// from. Registering as new is offered while what is shown is not exactly a
// registered design.
DesignMenuState DesignMenuFor(RegistryValues registry)
{
    const bool current = registry.currentDesign != 0;
    const bool any = registry.designCount != 0;
    DesignMenuState state = {};
    if (registry.unregisteredChange == 1) {
        state = {true, any && current, any};
    } else if (registry.unregisteredChange == 0) {
        state = {!(current && any), false, any};
    } else if (any) {
        state = {!current, current, true};
    } else {
        state = {true, false, false};
    }
    return state;
}
