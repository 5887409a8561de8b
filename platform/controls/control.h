#pragma once

#include <QString>
#include <vector>

#include "platform/accessibility/accessibility.h"
#include "platform/files/picture.h"
#include "platform/properties/property.h"
#include "platform/runtime/events.h"
#include "platform/runtime/loaded_form.h"
#include "platform/values/layout.h"
#include "platform/values/twips.h"

class QWidget;
class QMouseEvent;

namespace forms {

enum MousePointerKind { vbDefault = 0, vbArrow = 1, vbCrosshair = 2, vbIbeam = 3, vbCustom = 99 };

// Mouse events in the form a control's handlers receive them.
enum class MouseAction { Down, Move, Up };

// The events a control raises; a control array has the same set, shared by its members.
struct ControlEvents {
    Event Click, MouseDown, MouseMove, MouseUp, Change;
};

// A control on a form. Place and size are in twips relative to the container and kept exactly
// as written; the control is shown at 15 twips to a pixel.
class Control : public ControlEvents, public SpokenControl {
  public:
    Control(LoadedForm& form, const ControlDesc& desc, QString name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Property<Single, Control> Left{this, "Left", &Control::placeChanged};
    Property<Single, Control> Top{this, "Top", &Control::placeChanged};
    Property<Single, Control> Width{
        this, "Width", &Control::placeChanged, {}, &Control::settleSize};
    Property<Single, Control> Height{
        this, "Height", &Control::placeChanged, {}, &Control::settleSize};
    Property<bool, Control> Visible{this, "Visible", &Control::visibleChanged, true};
    Property<bool, Control> Enabled{this, "Enabled", &Control::enabledChanged, true};
    Property<Integer, Control> MousePointer{this, "MousePointer", &Control::pointerChanged};
    Property<Picture, Control> MouseIcon{this, "MouseIcon", &Control::pointerChanged};

    const QString& Name() const { return name_; }
    Integer Index() const { return index_; }
    // The name and, for a control array member, the index: "lblScrollText(1)".
    const QString& watchName() const { return watchName_; }
    int TabIndex() const { return tabIndex_; }
    LoadedForm& Parent() const { return form_; }
    ControlClass kind() const { return kind_; }

    // The Qt widget that shows the control (none for a timer); owned by its container.
    QWidget* widget() const { return widget_; }
    // How often this control has repainted.
    quint64 repaints() const { return repaints_; }

    // Called by the control's widget.
    // Returns whether the control took the event (a disabled one leaves it to its container).
    bool mouseEvent(MouseAction action, QMouseEvent* event);
    void painted();
    // The widget came to another screen, maybe of another scale: a custom pointer is drawn anew.
    void screenChanged();
    void raise(Event ControlEvents::*event, EventArgs args = {});

    // Its events are then those of the array it is a member of.
    void joinArray(const ControlEvents& array) { array_ = &array; }

    // What screen readers are told: the name the layout gives, else the caption of the label
    // that names the control, else its own caption.
    QString accessibleName() const;
    AccessibleRole accessibleRole() const override { return role_; }
    // The widgets of the label that names this control, and of the controls this one names.
    QWidget* labelWidget() const override;
    std::vector<QWidget*> labelledWidgets() const override;
    // The name of the label that names this control, as the layout gives it; set once made.
    const QString& labelName() const { return labelName_; }
    void setLabel(Control& label);
    // The place among the keyboard stops after those with a TabIndex (kNoTabIndex: none).
    int keyboardStop() const override { return keyboardStop_; }
    // The caption the control shows, if it has one, and as screen readers speak it.
    virtual QString caption() const { return {}; }
    virtual QString spokenCaption() const { return caption(); }

  protected:
    // Puts the widget in place, from the twip geometry.
    void attach(QWidget* widget);
    virtual void placeChanged();
    // Brings Width and Height up to date where the control works them out only when needed.
    virtual void settleSize() {}
    virtual void visibleChanged();
    virtual void enabledChanged();
    // Sets Width and Height to what the control's content needs (auto-size, pictures).
    void resizeTo(Single width, Single height);
    // Tells screen readers that the caption, and so maybe the name, changed.
    void captionShown();

  private:
    void pointerChanged();
    void nameShown() const;

    LoadedForm& form_;
    QString name_;
    Integer index_;
    QString watchName_;
    int tabIndex_;
    ControlClass kind_;
    QWidget* widget_ = nullptr;
    const ControlEvents* array_ = nullptr;
    QString accessibleName_;
    QString description_;
    AccessibleRole role_;
    QString labelName_;
    const Control* label_ = nullptr;
    std::vector<const Control*> labelled_;
    int keyboardStop_;
    bool pressed_ = false;
    quint64 repaints_ = 0;
};

// A mouse event as handlers receive it: button, shift state and place in twips.
EventArgs mouseEventArgs(const QMouseEvent* event);

}  // namespace forms
