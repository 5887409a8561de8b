#pragma once

#include <QString>

#include "platform/properties/place.h"

class QWidget;

namespace forms {

// A form as the runtime keeps it: a window it loads, hides, closes and unloads, with the name
// its handlers are reported under. The forms derive from it; the runtime knows them by no other.
class LoadedForm {
  public:
    virtual ~LoadedForm() = default;

    virtual const QString& Name() const = 0;
    // The handler's name as the error report gives it: "frmMain.cmdGo_Click".
    QString handlerName(const QString& handler) const {
        return Name() + QLatin1Char('.') + handler;
    }
    virtual QWidget* window() const = 0;
    virtual bool isShown() const = 0;
    // Hides the window for the user (its close box) or the runtime (the program's end).
    virtual void hideBy(Place::By by) = 0;

    // Raises Load once the runtime keeps the form.
    virtual void raiseLoad() = 0;
    // Whether the close box hides the form rather than unloading it.
    virtual bool closeBoxHides() const = 0;
    // Raises Unload; whether the form may go (Unload did not cancel).
    virtual bool queryUnload() = 0;
    virtual void stopTimers() = 0;
};

}  // namespace forms
