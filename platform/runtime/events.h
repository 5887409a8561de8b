#pragma once

#include <QString>
#include <functional>
#include <type_traits>

#include "platform/values/integer.h"

namespace forms {

// What an event passes to its handler. Array members pass their Index first; mouse events pass
// the button (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl, 4 Alt) and the
// pointer's place in twips from the control's corner; Unload passes Cancel for its handler to
// set.
struct EventArgs {
    Integer Index = -1;
    Integer Button = 0;
    Integer Shift = 0;
    Single X = 0;
    Single Y = 0;
    Integer Cancel = 0;
};

// One event of one control (or of a whole control array): the handler bound to it, if any,
// and that handler's name for the error report.
class Event {
  public:
    using Function = std::function<void(EventArgs&)>;

    void bind(QString handler, Function function) {
        handler_ = std::move(handler);
        function_ = std::move(function);
    }
    explicit operator bool() const { return static_cast<bool>(function_); }
    const QString& handler() const { return handler_; }
    void call(EventArgs& args) const { function_(args); }

  private:
    QString handler_;
    Function function_;
};

// Binds a form's method as the handler of an event. The method takes what its event passes:
// nothing, the Index, Cancel, the four mouse arguments, or the Index and the four mouse
// arguments.
template <typename FormType, typename... Params>
void bindHandler(Event& event, FormType* form, void (FormType::*method)(Params...),
                 const char* name) {
    event.bind(QString::fromLatin1(name), [form, method](EventArgs& a) {
        constexpr auto n = sizeof...(Params);
        if constexpr (n == 0) {
            (form->*method)();
        } else if constexpr (n == 1 && (std::is_same_v<Params, Integer&> && ...)) {
            (form->*method)(a.Cancel);
        } else if constexpr (n == 1) {
            (form->*method)(a.Index);
        } else if constexpr (n == 4) {
            (form->*method)(a.Button, a.Shift, a.X, a.Y);
        } else {
            static_assert(n == 5, "a handler takes nothing, Index, mouse arguments or both");
            (form->*method)(a.Index, a.Button, a.Shift, a.X, a.Y);
        }
    });
}

}  // namespace forms
