#pragma once

#include "forms/core/ClassRecord.h"
#include "forms/core/Form.h"
#include "forms/numeric/Object.h"

#include <string>

namespace forms {

// The runtime's global object: what it offers the program besides its windows.
class Global : public Object {
public:
    std::string objectName() const override { return "Global"; }

    // The window and its controls go at once, without a close event; the window object
    // lives on while it is referenced.
    virtual HResult Unload(Form& window);

protected:
    ~Global() override = default;
};

inline constexpr ClassRecord kGlobalClass{"Global", "{FCFB3D23-A0FA-1068-A738-08002B3371B5}",
    "{FCFB3D22-A0FA-1068-A738-08002B3371B5}", createObject<Global>};

} // namespace forms
