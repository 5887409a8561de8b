#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"

namespace kinemora {

// Fills the code viewer from code.txt in the program's directory.
void frmAnimate::LoadProjectCode() {
    const String path = strAppPath + "\\code.txt";
    OpenForInput(path, 1);
    const auto n = FileLen(path);
    while (!Eof(1)) {
        Instance<frmCode>().txtCode.Text = Input(n, 1);
    }
    Close(1);
}

}  // namespace kinemora
