#pragma once

#include "platform/forms/forms.h"

namespace kinemora {

using namespace forms;

// The code viewer: the text of code.txt, read once at start-up.
class frmCode final : public Form {
  public:
    frmCode();

    PictureBox& Picture1 = control<PictureBox>("Picture1");
    CommandButton& cmdClose = control<CommandButton>("cmdClose");
    TextBox& txtCode = control<TextBox>("txtCode");

  private:
    void cmdClose_Click();
};

}  // namespace kinemora
