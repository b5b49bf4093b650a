#include "app/Project.h"

#include "forms/core/Runtime.h"

int main()
{
    forms::ThunRTMain(shortDipoleProject());
}
