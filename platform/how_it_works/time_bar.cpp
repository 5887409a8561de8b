#include "platform/how_it_works/time_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/runtime/runtime.h"

namespace forms {

namespace {

struct Pace {
    const char* text;
    const char* name;  // what a screen reader says
    int divisor;
};
constexpr std::array<Pace, 4> kPaces = {{{"1\u00d7", "full speed", 1},
                                         {"\u00bd\u00d7", "half speed", 2},
                                         {"\u00bc\u00d7", "quarter speed", 4},
                                         {"\u2152\u00d7", "one tenth speed", 10}}};

QPushButton* button(const char* text, const char* description, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setAutoDefault(true);  // Return presses it, as Space does
    b->setAccessibleDescription(QString::fromLatin1(description));
    return b;
}

QLabel* labelFor(QWidget* buddy, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

}  // namespace

TimeBar::TimeBar(Runtime& runtime, QWidget* parent) : QWidget(parent), runtime_(runtime) {
    setAccessibleName(QStringLiteral("Time"));
    pause_ = button("Pause", "Holds every timer where it stands", this);
    pause_->setCheckable(true);
    step_ = button("Step", "Runs the next timer tick, once", this);
    step_->setEnabled(false);
    slowMotion_ = new QComboBox(this);
    for (const Pace& pace : kPaces) {
        slowMotion_->addItem(QString::fromUtf8(pace.text), pace.divisor);
        slowMotion_->setItemData(slowMotion_->count() - 1, QString::fromLatin1(pace.name),
                                 Qt::AccessibleTextRole);
    }
    follow_ = new QCheckBox(QStringLiteral("Follow"), this);
    follow_->setChecked(true);
    follow_->setAccessibleDescription(
        QStringLiteral("Shows the code of the handler that ran last"));
    effect_ = new QComboBox(this);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{
             pause_, step_, labelFor(slowMotion_, "Slow motion", this), slowMotion_, follow_})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(labelFor(effect_, "Effect", this));
    row->addWidget(effect_);

    connect(pause_, &QPushButton::toggled, this, [this](bool on) { pauseToggled(on); });
    connect(step_, &QPushButton::clicked, this, [this] { runtime_.stepTimer(); });
    connect(slowMotion_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        runtime_.clock().setSlowdown(slowMotion_->itemData(choice).toInt());
    });
}

void TimeBar::pauseToggled(bool paused) {
    runtime_.clock().setHeld(paused);
    step_->setEnabled(paused);
}

void TimeBar::returnToRealTime() {
    pause_->setChecked(false);
    slowMotion_->setCurrentIndex(0);
    runtime_.clock().setHeld(false);
    runtime_.clock().setSlowdown(1);
}

}  // namespace forms
