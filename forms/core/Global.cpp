#include "forms/core/Global.h"

namespace forms {

HResult Global::Unload(Form& window)
{
    window.unload();
    return kOk;
}

} // namespace forms
