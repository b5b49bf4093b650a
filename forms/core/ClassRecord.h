#pragma once

#include "forms/numeric/Object.h"

#include <string_view>

namespace forms {

// What the runtime needs to create an object of a class.
struct ClassRecord {
    // The class's name and identifier, held as the runtime's records hold them; nothing
    // reads them.
    std::string_view name;
    std::string_view classId;
    // Of the interface the program calls the object through; failed calls name it.
    std::string_view interfaceId;
    Object* (*create)();
};

template <class T>
Object* createObject()
{
    return new T;
}

// Creates an object of the class into an empty variable.
template <class T>
void vbaNew2(const ClassRecord& record, Ref<T>& variable)
{
    variable = Ref<T>(static_cast<T*>(record.create()));
}

} // namespace forms
