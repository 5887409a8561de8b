#include "platform/forms/form.h"

#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>
#include <algorithm>

#include "platform/accessibility/accessibility.h"
#include "platform/controls/control_factory.h"
#include "platform/controls/image.h"
#include "platform/controls/timer.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {

// "name(3)" is member 3 of the control array "name"; a plain name is a single control.
std::pair<QString, int> parseName(const char* written) {
    const QString text = QString::fromLatin1(written);
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0) return {text, -1};
    return {text.left(open), text.mid(open + 1, text.size() - open - 2).toInt()};
}

// The window icon a description names. An icon file "x.ico" may lie beside its large and
// small images made ready as "x-32.png" and "x-16.png"; those are used instead, read as any
// embedded picture, as turning the icon file's masks into alpha costs more at start-up.
QIcon windowIcon(const char* name) {
    const QString file = QString::fromUtf8(name);
    const QString stem = file.left(file.lastIndexOf(QLatin1Char('.')));
    QIcon ready;
    for (const int size : {32, 16}) {
        const QString image = QStringLiteral("%1-%2.png").arg(stem).arg(size);
        if (QFile::exists(QStringLiteral(":/pictures/") + image))
            ready.addPixmap(QPixmap::fromImage(embeddedPicture(image.toUtf8().constData())->image));
    }
    return ready.isNull() ? QIcon(QStringLiteral(":/pictures/") + file) : ready;
}

// Where Tab comes to a control: in ascending TabIndex, then the pictures and labels that the
// keyboard reaches, in the order of their keyboard stops.
std::pair<int, int> tabPlace(const Control& control) {
    if (control.keyboardStop() == kNoTabIndex) return {0, control.TabIndex()};
    return {1, control.keyboardStop()};
}

}  // namespace

Form::Form(const FormDesc& desc)
    : name_(QString::fromLatin1(desc.name)),
      window_(std::make_unique<FormWindow>(*this)),
      closeBox_(desc.closeBox) {
    Caption.initialise(QString::fromUtf8(desc.caption));
    window_->setWindowTitle(Caption);
    window_->setFixedSize(toPixels(desc.clientWidth), toPixels(desc.clientHeight));
    if (desc.icon) window_->setWindowIcon(windowIcon(desc.icon));
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), window_.get()), &QShortcut::activated,
                     [] { Runtime::current().showHelp(); });
    build(desc);
}

Form::~Form() = default;

void Form::build(const FormDesc& desc) {
    for (const ControlDesc& row : desc.controls) {
        auto [name, index] = parseName(row.name);
        auto* array = index >= 0 ? &arrays_[name] : nullptr;
        auto control = makeControl(*this, row, name, index, containerFor(row.container), array);
        if (!array) byName_[name] = control.get();
        controls_.push_back(std::move(control));
    }
    // The first row of a container lies on top: raise from the last row to the first.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->widget()) (*it)->widget()->raise();
    for (const auto& c : controls_)
        if (!c->labelName().isEmpty()) c->setLabel(*byName_.at(c->labelName()));
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (const char* timer = desc.controls[i].set.OnWhileRunning)
            reportAsSwitch(controls_[i]->widget(), control<Timer>(timer));
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
                     [](Control* a, Control* b) { return tabPlace(*a) < tabPlace(*b); });
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
        if (!first || tabPlace(*c) < tabPlace(*first)) first = c.get();
    }
    if (first) first->widget()->setFocus(Qt::TabFocusReason);
}

void Form::Show(const char* file, int line) {
    const bool first = !everShown_;
    everShown_ = true;
    if (window_->isVisible()) window_->raise();
    Visible = Placed<bool>(true, file, line);
    if (!window_->isVisible()) window_->show();  // hidden by other means than Hide
    window_->activateWindow();
    if (first) focusFirst();
}

void Form::Hide(const char* file, int line) {
    Visible = Placed<bool>(false, file, line);
    window_->hide();
}

void Form::hideBy(Place::By by) {
    Visible.changedByOwner(false, Place::of(by));
    window_->hide();
}

void Form::visibilityChanged() {
    window_->setVisible(Visible);
}

bool Form::isShown() const {
    return window_->isVisible();
}

QWidget* Form::window() const {
    return window_.get();
}

void Form::raiseLoad() {
    EventArgs args;
    Runtime::current().raise(*this, Load, args);
}

void Form::raise(Event ControlEvents::*event, EventArgs args) {
    Runtime::current().raise(*this, this->*event, args);
}

// The window stays as it is: the runtime hides or discards the form, now or once the running
// handler has returned.
void Form::closeRequested(QCloseEvent* event) {
    event->ignore();
    Runtime::current().requestClose(*this);
}

bool Form::queryUnload() {
    EventArgs args;
    Runtime::current().raise(*this, Unload, args);
    return args.Cancel == 0;
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
