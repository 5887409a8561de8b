#pragma once

#include <QString>
#include <any>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/controls/control.h"
#include "platform/controls/control_array.h"
#include "platform/forms/form_window.h"
#include "platform/properties/variable.h"
#include "platform/runtime/loaded_form.h"
#include "platform/values/layout.h"

class QCloseEvent;
class QWidget;

namespace forms {

// A window built from its form description: every control of the layout table, placed and
// stacked as listed. A form class derives from Form, names its controls and binds its
// handlers; the runtime keeps one instance of each class (Runtime::form).
class Form : public ControlEvents, public LoadedForm, public WindowedForm {
  public:
    explicit Form(const FormDesc& desc);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Property<String, Form> Caption{this, "Caption", &Form::captionChanged};
    Property<Colour, Form> BackColor{this, "BackColor", &Form::repaint, vbButtonFace};
    // Whether its window shows: what Show and Hide change, so that a watcher sees it as any
    // other change, with the statement that made it.
    Property<bool, Form> Visible{this, "Visible", &Form::visibilityChanged, false};
    Event Load, Unload;

    // Modeless show, keyboard focus on the control with the lowest TabIndex; Hide keeps the
    // form and everything in it.
    void Show(const char* file = __builtin_FILE(), int line = __builtin_LINE());
    void Hide(const char* file = __builtin_FILE(), int line = __builtin_LINE());
    void hideBy(Place::By by) override;

    const QString& Name() const override { return name_; }
    const QString& watchName() const { return name_; }
    bool isShown() const override;
    QWidget* window() const override;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    template <typename T>
    T& control(const char* name) const {
        return dynamic_cast<T&>(*byName_.at(QString::fromLatin1(name)));
    }
    template <typename T>
    ControlArray<T>& controlArray(const char* name) const {
        return dynamic_cast<ControlArray<T>&>(*arrays_.at(QString::fromLatin1(name)));
    }

    // Called by the runtime and the form's window.
    void raiseLoad() override;
    void raise(Event ControlEvents::*event, EventArgs args) override;
    void closeRequested(QCloseEvent* event) override;
    bool closeBoxHides() const override { return closeBox_ == CloseBox::Hides; }
    bool queryUnload() override;
    void stopTimers() override;
    void painted() override;
    Colour surfaceColour() const override { return BackColor; }

  protected:
    // A persistent local of one handler: created as T{} on its first use, it keeps its value
    // from one call to the next for the form's life. It is known by where it is declared, so
    // that two handlers' Statics of one name are two variables.
    template <typename T>
    Variable<T>& Static(const char* name, const char* file = __builtin_FILE(),
                        int line = __builtin_LINE()) {
        std::any& slot = statics_[{file, line, name}];
        if (!slot.has_value()) slot = Variable<T>(name);
        return std::any_cast<Variable<T>&>(slot);
    }

    template <typename F, typename... Params>
    void on(Event& event, void (F::*method)(Params...), const char* name) {
        bindHandler(event, static_cast<F*>(this), method, name);
    }
    template <typename F>
    void onUnload(void (F::*method)(Integer&), const char* name) {
        on(Unload, method, name);
    }

  private:
    void build(const FormDesc& desc);
    QWidget* containerFor(const char* name) const;
    void setTabOrder();
    void focusFirst();
    void captionChanged();
    void repaint();
    void visibilityChanged();

    QString name_;
    std::map<QString, Control*> byName_;
    std::map<QString, std::unique_ptr<ControlArrayBase>> arrays_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<FormWindow> window_;  // declared last: goes first, before the controls
    // By the file and line that declare each, and its name.
    std::map<std::tuple<std::string_view, int, std::string>, std::any> statics_;
    CloseBox closeBox_;
    bool everShown_ = false;
};

}  // namespace forms
