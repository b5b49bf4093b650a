#pragma once

#include "forms/core/Runtime.h"

// What the program is, for the runtime: its names, its windows and which one starts it.
const forms::ProjectDescription& shortDipoleProject();
