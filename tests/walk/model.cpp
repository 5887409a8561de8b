#include "walk/model.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QSlider>
#include <QTextBlock>
#include <QTreeView>

#include "platform/how_it_works/records/history.h"
#include "platform/how_it_works/panes/numbered_code.h"
#include "walk/actions.h"
#include "walk/program.h"

namespace walk {

namespace {

constexpr int kHandlerColumn = 2;
const QString kNotYet = QStringLiteral("not changed yet");

bool authorSaysWho(const QString& author) {
    static const QRegularExpression line(QStringLiteral(R"(^line [1-9]\d*$)"));
    return author == QLatin1String("by the user") || author == QLatin1String("by the control") ||
           author == QLatin1String("by the runtime") || author == QLatin1String("by you") ||
           author == kNotYet || author == QLatin1String("while not watched") ||
           line.match(author).hasMatch();
}

QString differences(const Snapshot& then, const Snapshot& now) {
    QString text;
    for (const auto& [name, value] : then) {
        const auto it = now.find(name);
        if (it != now.end() && it->second != value)
            text += QStringLiteral(" %1 was %2, shows %3;").arg(name, value, it->second);
    }
    return text;
}

// "frmAnimate.cmdScroll_Click(1) ×2" as the code heads it: "frmAnimate::cmdScroll_Click(".
QString headOf(const QString& handlerColumn) {
    static const QRegularExpression name(QStringLiteral(R"(^(\w+)\.(\w+))"));
    const QRegularExpressionMatch match = name.match(handlerColumn);
    return match.captured(1) + QStringLiteral("::") + match.captured(2) + QLatin1Char('(');
}

QString markedText(const forms::NumberedCode& code) {
    const forms::NumberedCode::Marks& marks = code.marks();
    QString text;
    for (int line = marks.first; line <= marks.last; ++line)
        text += code.document()->findBlockByNumber(line).text() + QLatin1Char('\n');
    return text;
}

// A run no handler made shows who made it, in one plain line, and no code.
QString madeBy(const forms::NumberedCode& code) {
    const QString text = code.toPlainText();
    if (text.contains(QLatin1Char('\n')) || !text.startsWith(QLatin1String("Made by")) ||
        code.marks().last >= code.marks().first)
        return QStringLiteral(
                   "Code pane: a run no handler made shows \"%1\", not one line \"Made by ...\"")
            .arg(text.left(80));
    return {};
}

}  // namespace

QString Expectations::check(Program& program, const Action& done) {
    if (!program.alive()) return QStringLiteral("program ended: the runtime ended the program");
    if (!program.windowShown()) {
        shown_ = false;
        moments_.clear();
        code_ = CodeShows::Unknown;
        return {};
    }
    program.frame();
    if (!std::exchange(shown_, true)) {
        moments_.clear();
        code_ = CodeShows::Unknown;
        handlers_ = program.values().runs();
        place_ = -1;
    }
    if (QString fault = checkMoments(program, done); !fault.isEmpty()) return fault;
    return checkCode(program);
}

Expectations::Moment Expectations::momentNow(Program& program) const {
    Moment moment{program.snapshot(), {}};
    const QAbstractItemModel* entries = program.watchEntries();
    for (int r = 0; r < entries->rowCount(); ++r)
        moment.watch[entries->index(r, 0).data().toString()] = {
            entries->index(r, 1).data().toString(), entries->index(r, 2).data().toString()};
    return moment;
}

// While paused, the timeline's place names a moment: shown again, it shows what it showed when
// first lived. Runs dropped take their moments with them.
QString Expectations::checkMoments(Program& program, const Action& done) {
    const bool paused = program.paused();
    const QSlider* timeline = program.timeline();
    const int place = timeline->value(), runs = timeline->maximum();
    if (done.mayDropRuns() && undone_ > 0)
        moments_.erase(moments_.upper_bound(place_), moments_.end());
    if (runs >= static_cast<int>(forms::History::kMostRuns)) moments_.clear();
    // A round trip ends where it began, showing the last run it went over, if there was one.
    const bool roundTrip = done.kind == Action::Kind::RoundTrip && place > 0;
    const bool travelled = paused && runs == runs_ && (place != place_ || roundTrip);
    // Changes made outside any handler, one after another, make one run: the latest may grow.
    if (paused && place == runs && place == place_ && runs == runs_ && done.mayDropRuns())
        moments_.erase(place);
    place_ = paused ? place : -1;
    runs_ = paused ? runs : -1;
    undone_ = paused ? runs - place : 0;
    followCode(program, done, travelled);

    const Moment* then = nullptr;
    if (paused) {
        const auto it = moments_.find(place);
        if (it != moments_.end()) {
            then = &it->second;
            // A value first told of later is not compared: its value then is not known.
            const QString changed = differences(then->values, program.snapshot());
            if (!changed.isEmpty())
                return QStringLiteral(
                           "snapshot: at %1 of %2 runs the program is not as it was then:%3")
                    .arg(place)
                    .arg(runs)
                    .arg(changed);
        } else if (place == runs) {
            moments_[place] = momentNow(program);
        }
    }
    return checkWatch(program, then);
}

// Each entry shows the value held now, and who changed it last by the moment shown.
QString Expectations::checkWatch(Program& program, const Moment* then) {
    const QAbstractItemModel* entries = program.watchEntries();
    const Values& values = program.values();
    for (int r = 0; r < entries->rowCount(); ++r) {
        const QString name = entries->index(r, 0).data().toString();
        const QString shown = entries->index(r, 1).data().toString();
        const QString author = entries->index(r, 2).data().toString();
        if (!values.knows(name))
            return QStringLiteral("Watch value: %1 is in the Watch, but nothing changed it")
                .arg(name);
        const QString held = forms::valueText(values.read(name));
        if (shown != held)
            return QStringLiteral("Watch value: %1 shows %2, holds %3").arg(name, shown, held);
        if (!authorSaysWho(author))
            return QStringLiteral("Watch changed by: %1 says \"%2\"").arg(name, author);
        if (!then) continue;
        const auto it = then->watch.find(name);
        const QString expected = it == then->watch.end() ? kNotYet : it->second.second;
        if (author != expected)
            return QStringLiteral("Watch changed by: at %1 runs %2 says \"%3\", said \"%4\" then")
                .arg(place_)
                .arg(name, author, expected);
    }
    return {};
}

// What the Code pane is to show: the handler that ran last while following, the chosen row's
// otherwise; a choice of one line (a change, a Watch entry) is not followed here.
void Expectations::followCode(Program& program, const Action& done, bool travelled) {
    using Kind = Action::Kind;
    const bool follow = program.follow()->isChecked();
    QTreeView* events = program.events();
    const QModelIndex current = events->currentIndex();
    const bool rowChanged = current_ != current;
    current_ = current;
    const QString currentHandler =
        current.isValid() ? current.siblingAtColumn(kHandlerColumn).data().toString() : QString();
    const long handlers = program.values().runs();
    const bool ran = std::exchange(handlers_, handlers) != handlers;
    auto chooseRow = [&] {
        if (!current.isValid()) return;
        code_ = CodeShows::ChosenRow;
        codeOf_ = currentHandler;
    };
    if (done.kind == Kind::ChooseChange || done.kind == Kind::Effect ||
        (done.kind == Kind::ChooseEntry && !follow))
        code_ = CodeShows::Unknown;
    if (follow != std::exchange(follow_, follow)) {
        if (!follow)
            chooseRow();
        else if (undone_ == 0)
            code_ = CodeShows::Unknown;  // the last handler, once one runs
    }
    if (ran && follow && undone_ == 0) {
        code_ = CodeShows::LastHandler;
        codeOf_ = program.values().lastRun();
    } else if (travelled) {
        // The moment's run has its row chosen, unless the effect chosen hides it.
        if (program.effect()->currentIndex() == 0)
            chooseRow();
        else
            code_ = CodeShows::Unknown;
    } else if (rowChanged && !follow) {
        chooseRow();
    }
}

QString Expectations::checkCode(Program& program) {
    const forms::NumberedCode* code = program.code();
    // One effect chosen, the pane shows its code only: which run's that is is not known here.
    if (code_ == CodeShows::Unknown || program.effect()->currentIndex() != 0) return {};
    if (code_ == CodeShows::LastHandler && codeOf_.startsWith(QLatin1String("Made by")))
        return madeBy(*code);
    if (code_ == CodeShows::LastHandler) {
        const QString head = codeOf_ + QLatin1Char('(');
        if (!markedText(*code).contains(head))
            return QStringLiteral("Code pane: following, it marks no %1 but:\n%2")
                .arg(head, markedText(*code).left(300) + code->toPlainText().left(100));
        return {};
    }
    if (codeOf_.isEmpty()) return madeBy(*code);
    if (!markedText(*code).contains(headOf(codeOf_)))
        return QStringLiteral("Code pane: the row of %1 is chosen, it marks:\n%2")
            .arg(codeOf_, markedText(*code).left(300));
    return {};
}

}  // namespace walk
