#include "app/project.h"

#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

forms::Project project() {
    return {
        "kinemora",
        "Kinemora",
        {forms::FormClass::of<frmCode>("frmCode"), forms::FormClass::of<frmAnimate>("frmAnimate")},
        "frmAnimate",
        "code.txt"};
}

}  // namespace kinemora
