#include "app/project.h"

#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

forms::Project project() {
    return {
        "Kinemora",
        {forms::FormClass::of<frmCode>("frmCode"), forms::FormClass::of<frmAnimate>("frmAnimate")},
        "frmAnimate"};
}

}  // namespace kinemora
