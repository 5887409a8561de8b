#include "platform/form.h"

#include <QCloseEvent>
#include <QIcon>
#include <algorithm>

#include "platform/command_button.h"
#include "platform/containers.h"
#include "platform/form_window.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/runtime.h"
#include "platform/scroll_bar.h"
#include "platform/text_box.h"
#include "platform/timer.h"

namespace forms {

namespace {

// "name(3)" is member 3 of the control array "name"; a plain name is a single control.
std::pair<QString, int> parseName(const char* written) {
    const QString text = QString::fromLatin1(written);
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0) return {text, -1};
    return {text.left(open), text.mid(open + 1, text.size() - open - 2).toInt()};
}

std::unique_ptr<Control> create(Form& form, const ControlDesc& d, QString name, int index,
                                QWidget* container) {
    switch (d.cls) {
        case ControlClass::Label:
            return std::make_unique<Label>(form, d, name, index, container);
        case ControlClass::Image:
            return std::make_unique<Image>(form, d, name, index, container);
        case ControlClass::CommandButton:
            return std::make_unique<CommandButton>(form, d, name, index, container);
        case ControlClass::PictureBox:
            return std::make_unique<PictureBox>(form, d, name, index, container);
        case ControlClass::Frame:
            return std::make_unique<Frame>(form, d, name, index, container);
        case ControlClass::Shape:
            return std::make_unique<Shape>(form, d, name, index, container);
        case ControlClass::Timer:
            return std::make_unique<Timer>(form, d, name, index);
        case ControlClass::HScrollBar:
            return std::make_unique<HScrollBar>(form, d, name, index, container);
        case ControlClass::TextBox:
            return std::make_unique<TextBox>(form, d, name, index, container);
    }
    return nullptr;
}

template <typename T>
void join(std::unique_ptr<ControlArrayBase>& array, Control& member) {
    if (!array) array = std::make_unique<ControlArray<T>>();
    static_cast<ControlArray<T>&>(*array).add(static_cast<T&>(member));
}

void joinArray(std::unique_ptr<ControlArrayBase>& array, Control& member) {
    switch (member.kind()) {
        case ControlClass::Label:
            return join<Label>(array, member);
        case ControlClass::Image:
            return join<Image>(array, member);
        case ControlClass::CommandButton:
            return join<CommandButton>(array, member);
        case ControlClass::PictureBox:
            return join<PictureBox>(array, member);
        case ControlClass::Frame:
            return join<Frame>(array, member);
        case ControlClass::Shape:
            return join<Shape>(array, member);
        case ControlClass::Timer:
            return join<Timer>(array, member);
        case ControlClass::HScrollBar:
            return join<HScrollBar>(array, member);
        case ControlClass::TextBox:
            return join<TextBox>(array, member);
    }
}

}  // namespace

Form::Form(const FormDesc& desc)
    : name_(QString::fromLatin1(desc.name)), window_(std::make_unique<FormWindow>(*this)) {
    Caption.initialise(QString::fromUtf8(desc.caption));
    window_->setWindowTitle(Caption);
    window_->setFixedSize(toPixels(desc.clientWidth), toPixels(desc.clientHeight));
    if (desc.icon) window_->setWindowIcon(QIcon(QStringLiteral(":/pictures/") + desc.icon));
    build(desc);
}

Form::~Form() = default;

void Form::build(const FormDesc& desc) {
    for (const ControlDesc& row : desc.controls) {
        auto [name, index] = parseName(row.name);
        std::unique_ptr<Control> control =
            create(*this, row, name, index, containerFor(row.container));
        if (index >= 0)
            joinArray(arrays_[name], *control);
        else
            byName_[name] = control.get();
        controls_.push_back(std::move(control));
    }
    // The first row of a container lies on top: raise from the last row to the first.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->widget()) (*it)->widget()->raise();
    setTabOrder();
}

QWidget* Form::containerFor(const char* name) const {
    if (name_ == QLatin1String(name)) return window_.get();
    return byName_.at(QString::fromLatin1(name))->widget();
}

void Form::setTabOrder() {
    std::vector<Control*> order;
    for (const auto& c : controls_)
        if (c->widget() && c->widget()->focusPolicy() != Qt::NoFocus) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

void Form::focusFirst() {
    Control* first = nullptr;
    for (const auto& c : controls_) {
        QWidget* w = c->widget();
        if (!w || w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window_.get()) ||
            !w->isEnabled())
            continue;
        if (!first || c->TabIndex() < first->TabIndex()) first = c.get();
    }
    if (first) first->widget()->setFocus(Qt::TabFocusReason);
}

void Form::Show() {
    const bool first = !everShown_;
    everShown_ = true;
    if (window_->isVisible()) {
        window_->raise();
    } else {
        window_->show();
    }
    window_->activateWindow();
    if (first) focusFirst();
}

void Form::Hide() {
    window_->hide();
}

bool Form::isShown() const {
    return window_->isVisible();
}

QWidget* Form::window() const {
    return window_.get();
}

QString Form::handlerName(const QString& handler) const {
    return name_ + QLatin1Char('.') + handler;
}

void Form::raiseLoad() {
    if (Load) Runtime::current().run(handlerName(Load.handler()), [this] { Load.call({}); });
}

void Form::raise(Event ControlEvents::*event, const EventArgs& args) {
    const Event& handler = this->*event;
    if (handler)
        Runtime::current().run(handlerName(handler.handler()), [&] { handler.call(args); });
}

// The close box: Unload may cancel; otherwise the form is discarded, and a later use creates
// it afresh from its description.
void Form::closeRequested(QCloseEvent* event) {
    Runtime& runtime = Runtime::current();
    Integer cancel = 0;
    if (unload_) runtime.run(handlerName(unloadHandler_), [this, &cancel] { unload_(cancel); });
    if (runtime.hasEnded()) return;
    if (cancel != 0) {
        event->ignore();
        return;
    }
    runtime.unload(*this);
}

void Form::hideWindow() {
    window_->hide();
}

void Form::stopTimers() {
    for (const auto& c : controls_)
        if (auto* timer = dynamic_cast<Timer*>(c.get())) timer->stop();
}

void Form::painted() {
    Runtime::current().countRepaint();
}

void Form::captionChanged() {
    window_->setWindowTitle(Caption);
}

void Form::repaint() {
    window_->update();
}

}  // namespace forms
