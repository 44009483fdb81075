#include "model/UiHooks.h"

namespace numora {

UiHooks& UiHooks::silent()
{
    static UiHooks instance;
    return instance;
}

} // namespace numora
