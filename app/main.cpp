#include "app/Project.h"

#include "forms/Runtime.h"

int main()
{
    forms::ThunRTMain(shortDipoleProject());
}
