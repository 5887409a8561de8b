#include "walk/actions.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QPushButton>
#include <QSlider>
#include <QStringList>
#include <QTest>
#include <QTreeView>
#include <array>

#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"
#include "platform/how_it_works/how_it_works.h"
#include "walk/program.h"

namespace walk {

namespace {

using Kind = Action::Kind;
using testing_support::Harness;

constexpr std::array kNames = {
    "click",        "pointer", "speed bar key", "menu item",  "close the code viewer",
    "F1",           "wait",    "pause",         "step",       "step back",
    "timeline",     "follow",  "effect",        "choose row", "choose change",
    "choose entry", "check",   "type",          "round trip"};

const QPoint kSurface(740, 300);  // the main window's own surface, beside the menu
constexpr std::array kPointerEffects = {"imgMenu(0)", "imgMenu(1)", "lblLink", "imgGreatest", ""};
constexpr std::array kSpeedKeys = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};

forms::Control* controlNamed(kinemora::frmAnimate& form, const QString& name) {
    for (const auto& control : form.controls())
        if (control->watchName() == name) return control.get();
    return nullptr;
}

int rowNamed(const QAbstractItemModel* model, const QString& name) {
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 0).data().toString() == name) return r;
    return -1;
}

// The latest row whose changes say who made them: "by you", "by the user".
int latestRowMadeBy(const QAbstractItemModel* model, const QString& author) {
    const QString said = QStringLiteral("(%1)").arg(author);
    for (int r = model->rowCount() - 1; r >= 0; --r)
        if (model->index(r, 3).data().toString().contains(said)) return r;
    return -1;
}

// What a learner might type over a value of this entry: valid and invalid alike.
QString typedValueFor(std::mt19937& random, const QString& name, const forms::WatchedValue& now) {
    auto pick = [&random](QStringList options) {
        return options[static_cast<int>(random() % static_cast<unsigned>(options.size()))];
    };
    auto number = [&random](int low, int high) {
        return QString::number(low + static_cast<int>(random() % unsigned(high - low + 1)));
    };
    if (name.endsWith(QLatin1String(".Interval")))
        return pick({number(20, 400), QStringLiteral("-1"), QStringLiteral("soon")});
    if (name == QLatin1String("hsbSpeed.Value"))
        return pick({number(1, 10), QStringLiteral("0"), QStringLiteral("11")});
    if (std::holds_alternative<bool>(now))
        return pick({QStringLiteral("True"), QStringLiteral("False"), QStringLiteral("maybe")});
    if (std::holds_alternative<forms::Integer>(now))
        return pick({number(-300, 300), QStringLiteral("40000"), QStringLiteral("fast")});
    if (std::holds_alternative<float>(now))
        return pick({number(-500, 5000), QStringLiteral("fast")});
    if (std::holds_alternative<QString>(now)) return pick({QStringLiteral("Hello"), QString()});
    return QStringLiteral("1");  // a colour or a picture: not typed, refused
}

Action pickOnMain(std::mt19937& random, Program& program) {
    const unsigned roll = random() % 100;
    if (roll < 30) {
        std::vector<QString> shown;
        for (const auto& control : program.main().controls())
            if (control->widget() && control->widget()->isVisible())
                shown.push_back(control->watchName());
        return act::click(qPrintable(shown[random() % shown.size()]));
    }
    if (roll < 55) {
        Action move = act::pointerTo(kPointerEffects[random() % kPointerEffects.size()]);
        move.number = static_cast<int>(random() % 3);
        return move;
    }
    if (roll < 65) return act::speedKey(kSpeedKeys[random() % kSpeedKeys.size()]);
    if (roll < 72) return act::menuItem(static_cast<int>(random() % 2));
    if (roll < 77) return act::closeCodeViewer();
    const int ms[] = {5, 10, 30, 100, 300};
    return act::wait(ms[random() % std::size(ms)]);
}

Action pickInWindow(std::mt19937& random, Program& program) {
    const unsigned roll = random() % 100;
    const QAbstractItemModel* entries = program.watchEntries();
    const QString entry =
        entries->rowCount() > 0
            ? entries->index(static_cast<int>(random() % unsigned(entries->rowCount())), 0)
                  .data()
                  .toString()
            : QString();
    if (roll < 12) return act::togglePause();
    if (roll < 24) return act::step();
    if (roll < 40) return act::stepBack();
    if (roll < 48) return act::timeline(static_cast<int>(random() % 1001));
    if (roll < 52) return act::follow();
    if (roll < 56) return act::effect(static_cast<int>(random() % 16));
    if (roll < 64) return act::chooseRow(static_cast<int>(random() % 400));
    if (roll < 70) return act::chooseChange(random() % 2 ? 1 : -1);
    if (roll < 74 && !entry.isEmpty()) return act::chooseEntry(qPrintable(entry));
    if (roll < 80 && !entry.isEmpty()) return act::checkEntry(qPrintable(entry), random() % 2 == 1);
    if (roll < 90 && !entry.isEmpty() && program.values().knows(entry))
        return act::type(qPrintable(entry),
                         qPrintable(typedValueFor(random, entry, program.values().read(entry))));
    return act::roundTrip(1 + static_cast<int>(random() % 40));
}

QString roundTrip(Program& program, int runs) {
    if (!program.windowShown() || !program.paused()) return {};
    program.frame();
    const int before = program.timeline()->value();
    const Snapshot there = program.snapshot();
    for (int i = 0; i < runs && program.button("Step back")->isEnabled(); ++i)
        program.button("Step back")->click();
    program.frame();
    const int back = before - program.timeline()->value();
    for (int i = 0; i < back; ++i) program.button("Step")->click();
    program.frame();
    const Snapshot again = program.snapshot();
    QString differences;
    for (const auto& [name, value] : there)
        if (again.count(name) && again.at(name) != value)
            differences += QStringLiteral(" %1 was %2, is %3;").arg(name, value, again.at(name));
    if (differences.isEmpty()) return {};
    return QStringLiteral("round trip: back over %1 runs and forward again, not as it was:%2")
        .arg(back)
        .arg(differences);
}

void clickOn(Program& program, forms::Form& form, const forms::Control& control) {
    program.harness().click(form, Harness::centreOf(control));
}

void performInWindow(Program& program, const Action& action) {
    if (!program.windowShown()) return;
    auto press = [&program](const char* text) {
        if (QPushButton* b = program.button(text)) b->click();
    };
    switch (action.kind) {
        case Kind::Pause:
            return press("Pause");
        case Kind::Step:
            return press("Step");
        case Kind::StepBack:
            return press("Step back");
        case Kind::Timeline: {
            QSlider* timeline = program.timeline();
            if (!timeline->isEnabled()) return;
            const int span = timeline->maximum() - timeline->minimum();
            return timeline->setValue(timeline->minimum() +
                                      static_cast<int>(qint64(span) * action.number / 1000));
        }
        case Kind::Follow:
            return program.follow()->click();
        case Kind::Effect:
            return program.effect()->setCurrentIndex(action.number % program.effect()->count());
        case Kind::ChooseRow: {
            QTreeView* events = program.events();
            const int rows = events->model()->rowCount();
            const int row = action.text.isEmpty() ? (rows > 0 ? action.number % rows : -1)
                                                  : latestRowMadeBy(events->model(), action.text);
            if (row >= 0) events->setCurrentIndex(events->model()->index(row, 0));
            return;
        }
        case Kind::ChooseChange:
            return QTest::keyClick(program.events(),
                                   action.number > 0 ? Qt::Key_Right : Qt::Key_Left);
        case Kind::ChooseEntry: {
            QTreeView* watch = program.watch();
            if (const int row = rowNamed(watch->model(), action.name); row >= 0)
                watch->setCurrentIndex(watch->model()->index(row, 0));
            return;
        }
        case Kind::CheckEntry: {
            QAbstractItemModel* entries = program.watchEntries();
            if (const int row = rowNamed(entries, action.name); row >= 0)
                entries->setData(entries->index(row, 0),
                                 action.number ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
            return;
        }
        case Kind::TypeValue: {
            QAbstractItemModel* entries = program.watchEntries();
            if (const int row = rowNamed(entries, action.name); row >= 0)
                entries->setData(entries->index(row, 1), action.text, Qt::EditRole);
            return;
        }
        default:
            return;
    }
}

}  // namespace

QString Action::describe() const {
    const QString what = QString::fromLatin1(kNames[static_cast<std::size_t>(kind)]);
    switch (kind) {
        case Kind::Click:
            return what + QLatin1Char(' ') + name;
        case Kind::PointerTo:
            return name.isEmpty() ? QStringLiteral("pointer off the effects")
                                  : QStringLiteral("pointer over ") + name;
        case Kind::SpeedKey:
            return what + QLatin1Char(' ') + QKeySequence(number).toString();
        case Kind::MenuItem:
        case Kind::Effect:
        case Kind::RoundTrip:
            return what + QLatin1Char(' ') + QString::number(number);
        case Kind::Wait:
            return QStringLiteral("wait %1 ms").arg(number);
        case Kind::Timeline:
            return QStringLiteral("timeline to %1/1000").arg(number);
        case Kind::ChooseRow:
            return text.isEmpty() ? what + QLatin1Char(' ') + QString::number(number)
                                  : QStringLiteral("choose the latest row by ") + text.mid(3);
        case Kind::ChooseChange:
            return what + (number > 0 ? QStringLiteral(" (Right)") : QStringLiteral(" (Left)"));
        case Kind::ChooseEntry:
            return what + QLatin1Char(' ') + name;
        case Kind::CheckEntry:
            return (number ? QStringLiteral("check ") : QStringLiteral("uncheck ")) + name;
        case Kind::TypeValue:
            return QStringLiteral("type %1 = %2")
                .arg(name, text.isEmpty() ? QStringLiteral("\"\"") : text);
        default:
            return what;
    }
}

QString Action::serialize() const {
    return QStringList{QString::number(static_cast<int>(kind)), QString::number(number), name,
                       QString::fromLatin1(text.toUtf8().toHex())}
        .join(QLatin1Char('\t'));
}

Action Action::deserialize(const QString& line) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    return {static_cast<Kind>(parts.value(0).toInt()), parts.value(1).toInt(), parts.value(2),
            QString::fromUtf8(QByteArray::fromHex(parts.value(3).toLatin1()))};
}

bool Action::mayDropRuns() const {
    switch (kind) {
        case Kind::Click:
        case Kind::PointerTo:
        case Kind::SpeedKey:
        case Kind::MenuItem:
        case Kind::CloseCodeViewer:
        case Kind::Pause:
        case Kind::TypeValue:
            return true;
        default:
            return false;
    }
}

Action pickAction(std::mt19937& random, Program& program) {
    if (random() % 100 < 2) return act::f1();
    if (program.windowShown() && random() % 100 < 60) return pickInWindow(random, program);
    return pickOnMain(random, program);
}

QString perform(Program& program, const Action& action) {
    kinemora::frmAnimate& main = program.main();
    Harness& harness = program.harness();
    switch (action.kind) {
        case Kind::Click:
            if (forms::Control* control = controlNamed(main, action.name))
                clickOn(program, main, *control);
            return {};
        case Kind::PointerTo: {
            const forms::Control* over = controlNamed(main, action.name);
            harness.moveTo(main,
                           (over ? Harness::centreOf(*over) : kSurface) + QPoint(action.number, 0));
            return {};
        }
        case Kind::SpeedKey:
            QTest::keyClick(main.hsbSpeed.widget(), static_cast<Qt::Key>(action.number));
            harness.settle();
            return {};
        case Kind::MenuItem:
            harness.moveTo(main, Harness::centreOf(main.imgMenu(action.number)));
            clickOn(program, main, main.imgMenuOver(action.number));
            return {};
        case Kind::CloseCodeViewer: {
            kinemora::frmCode& viewer = program.codeViewer();
            if (viewer.isShown()) clickOn(program, viewer, viewer.cmdClose);
            return {};
        }
        case Kind::F1:
            if (program.windowShown())
                program.window()->hide();
            else
                program.openWindow();
            harness.settle();
            return {};
        case Kind::Wait:
            harness.advance(action.number);
            return {};
        case Kind::RoundTrip:
            return roundTrip(program, action.number);
        default:
            performInWindow(program, action);
            harness.settle();
            return {};
    }
}

QString describe(const std::vector<Action>& actions) {
    QString text;
    for (const Action& action : actions)
        text += QStringLiteral("  ") + action.describe() + QLatin1Char('\n');
    return text;
}

namespace act {
Action click(const char* control) {
    return {Kind::Click, 0, QString::fromLatin1(control), {}};
}
Action pointerTo(const char* control) {
    return {Kind::PointerTo, 0, QString::fromLatin1(control), {}};
}
Action speedKey(int key) {
    return {Kind::SpeedKey, key, {}, {}};
}
Action menuItem(int index) {
    return {Kind::MenuItem, index, {}, {}};
}
Action closeCodeViewer() {
    return {Kind::CloseCodeViewer, 0, {}, {}};
}
Action f1() {
    return {Kind::F1, 0, {}, {}};
}
Action wait(int ms) {
    return {Kind::Wait, ms, {}, {}};
}
Action togglePause() {
    return {Kind::Pause, 0, {}, {}};
}
Action step() {
    return {Kind::Step, 0, {}, {}};
}
Action stepBack() {
    return {Kind::StepBack, 0, {}, {}};
}
Action timeline(int thousandths) {
    return {Kind::Timeline, thousandths, {}, {}};
}
Action follow() {
    return {Kind::Follow, 0, {}, {}};
}
Action effect(int index) {
    return {Kind::Effect, index, {}, {}};
}
Action chooseRow(int row) {
    return {Kind::ChooseRow, row, {}, {}};
}
Action chooseRowMadeBy(const char* author) {
    return {Kind::ChooseRow, 0, {}, QString::fromLatin1(author)};
}
Action chooseChange(int direction) {
    return {Kind::ChooseChange, direction, {}, {}};
}
Action chooseEntry(const char* name) {
    return {Kind::ChooseEntry, 0, QString::fromLatin1(name), {}};
}
Action checkEntry(const char* name, bool checked) {
    return {Kind::CheckEntry, checked ? 1 : 0, QString::fromLatin1(name), {}};
}
Action type(const char* name, const char* text) {
    return {Kind::TypeValue, 0, QString::fromLatin1(name), QString::fromUtf8(text)};
}
Action roundTrip(int runs) {
    return {Kind::RoundTrip, runs, {}, {}};
}
}  // namespace act

}  // namespace walk
