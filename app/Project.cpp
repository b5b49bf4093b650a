#include "app/Project.h"

#include "author/Form2.h"
#include "calculator/Form1.h"
#include "calculator/LoadingCoil.h"
#include "resources/EmbeddedFiles.h"

namespace {

const forms::ClassRecord* const kForms[] = {&Form1::classRecord, &Form2::classRecord};

} // namespace

const forms::ProjectDescription& shortDipoleProject()
{
    static const forms::ProjectDescription project{
        .projectName = "ShortDipole",
        .programName = "ShortDipole",
        .icon = resources::kApplicationIcon,
        .font = resources::kWindowFont,
        .toolkitTranslation = resources::kToolkitTranslation,
        .forms = kForms,
        .startupForm = &Form1::classRecord,
        .safeDivisionFlag = &calculator::safeDivisionFlag,
        .platform = forms::nativePlatform,
    };
    return project;
}
