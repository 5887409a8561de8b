#pragma once

#include <QString>

#include "support/harness.h"
#include "walk/values.h"

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;
class QTreeView;

namespace forms {
class HowItWorks;
class NumberedCode;
}  // namespace forms
namespace kinemora {
class frmAnimate;
class frmCode;
}  // namespace kinemora

namespace walk {

// A fresh program on the virtual clock, offscreen, with boxes answered No, and its values
// watched from before How It Works first opens. How It Works' parts are found as a learner
// finds them: buttons by their text, panes by their accessible names.
class Program {
  public:
    Program();
    ~Program();

    testing_support::Harness& harness() { return harness_; }
    const Values& values() const { return values_; }
    kinemora::frmAnimate& main() { return *main_; }
    kinemora::frmCode& codeViewer();
    bool alive() { return !harness_.runtime().hasEnded(); }

    // Every value and both forms' visibility, read live.
    Snapshot snapshot();

    // How It Works, once opened; null before.
    forms::HowItWorks* window() const { return window_; }
    bool windowShown() const;
    void openWindow();
    void frame();  // the panes brought up to date, as a frame does
    bool paused();

    QPushButton* button(const char* text) const;
    QSlider* timeline() const;
    QCheckBox* follow() const;
    QComboBox* effect() const;
    QTreeView* events() const;
    QTreeView* watch() const;
    QAbstractItemModel* watchEntries() const;  // all entries, whatever effect is chosen
    forms::NumberedCode* code() const;

  private:
    template <typename T>
    T* part(const char* name) const;

    Values values_;  // first, so that it is set before How It Works and outlives it
    testing_support::ProgramDir dir_;
    testing_support::Harness harness_;
    kinemora::frmAnimate* main_ = nullptr;
    forms::HowItWorks* window_ = nullptr;
};

}  // namespace walk
