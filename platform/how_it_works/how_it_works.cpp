#include "platform/how_it_works/how_it_works.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>
#include <QtMath>

#include "platform/accessibility/accessibility.h"
#include "platform/accessibility/spoken.h"
#include "platform/forms/form.h"
#include "platform/how_it_works/code_pane.h"
#include "platform/how_it_works/code_room.h"
#include "platform/how_it_works/events_view.h"
#include "platform/how_it_works/placement.h"
#include "platform/how_it_works/time_bar.h"
#include "platform/how_it_works/watch_view.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {

constexpr int kFrameMs = 100;                         // the panes show what ran ten times a second
constexpr int kFrameCheckMs = 50, kFrameChecks = 60;  // how long it waits to be framed
constexpr int kWatchWidth = 300;
constexpr int kEventsHeight = 200;

// Qt's own parts (scroll bars, headings, lists of choices, the frames that hold the panes) are
// given plain names, so that a screen reader meets nothing nameless.
void nameInnerParts(QWidget* window) {
    for (auto* area : window->findChildren<QAbstractScrollArea*>()) describeScrollArea(*area);
    for (auto* choice : window->findChildren<QComboBox*>())
        choice->view()->setAccessibleName(QStringLiteral("Choices"));
    for (auto* header : window->findChildren<QHeaderView*>())
        header->setAccessibleName(QStringLiteral("Column headings"));
    for (auto* splitter : window->findChildren<QSplitter*>()) {
        splitter->setAccessibleName(QStringLiteral("Panes"));
        for (int i = 0; i < splitter->count(); ++i)
            splitter->handle(i)->setAccessibleName(QStringLiteral("Divider"));
    }
}

QSplitter* splitter(Qt::Orientation orientation, QWidget* first, QWidget* second) {
    auto* panes = new QSplitter(orientation);
    panes->addWidget(first);
    panes->addWidget(second);
    return panes;
}

}  // namespace

HowItWorks::HowItWorks(Runtime& runtime, std::vector<NamedEffect> effects)
    : QWidget(nullptr, Qt::Window),
      runtime_(runtime),
      code_(runtime.files().keptText() ? std::optional<CodeIndex>(*runtime.files().keptText())
                                       : std::nullopt),
      recorder_(code_ ? &*code_ : nullptr, [this] { frameDue(); }),
      outline_(this) {
    setWindowTitle(QStringLiteral("How It Works"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleWindow(this);
    recorder_.setNow([this] { return now(); });
    recorder_.setRuntimeTime([this] { return runtime_.clock().now(); });
    frame_.setSingleShot(true);
    connect(&frame_, &QTimer::timeout, this, [this] { showFrame(); });
    frameCheck_.setInterval(kFrameCheckMs);
    connect(&frameCheck_, &QTimer::timeout, this, [this] { placeAgainOnceFramed(); });
    build();
    fillEffectChoice(effects);
    nameInnerParts(this);
    chooseDefaultSize();
}

HowItWorks::~HowItWorks() = default;

void HowItWorks::build() {
    timeBar_ = new TimeBar(runtime_, this);
    events_ = new EventsView(recorder_.log(), this);
    codePane_ = new CodePane(code_ ? &*code_ : nullptr, runtime_.files().keptPath(), this);
    watch_ = new WatchView(recorder_.watch(), this);
    lower_ = splitter(Qt::Horizontal, codePane_, watch_);
    lower_->setStretchFactor(0, 3);
    lower_->setStretchFactor(1, 2);
    panes_ = splitter(Qt::Vertical, events_, lower_);
    panes_->setStretchFactor(0, 1);
    panes_->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(timeBar_);
    layout->addWidget(panes_, 1);
    setTabOrder(timeBar_->effect(), events_);
    setTabOrder(events_, codePane_->text());
    setTabOrder(codePane_->text(), watch_);

    events_->onRowChosen([this](const EventLog::Row& row) {
        showCodeOfChosenRow();
        outline_.flash(controlOf(row), this);
    });
    watch_->onEntryChosen([this](int entry) { entryChosen(entry); });
    connect(timeBar_->follow(), &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            followLastRun();
        else
            showCodeOfChosenRow();
    });
    connect(timeBar_->effect(), &QComboBox::currentIndexChanged, this, [this](int choice) {
        const int effect = timeBar_->effect()->itemData(choice).toInt();
        events_->showEffect(effect);
        watch_->showEffect(effect);
    });
    for (const auto key : {Qt::Key_F1, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &QWidget::hide);
}

// "All effects", then every file of the code that defines handlers, by the names given.
void HowItWorks::fillEffectChoice(const std::vector<NamedEffect>& effects) {
    QComboBox* effect = timeBar_->effect();
    effect->addItem(QStringLiteral("All effects"), -1);
    if (!code_) return;
    for (const auto& [name, file] : code_->effects(effects)) effect->addItem(name, file);
}

// Large enough for the Code pane to show the longest handler whole, as far as the screen allows.
void HowItWorks::chooseDefaultSize() {
    const QSize code = codeTextRoom();
    const int heading = code_ ? tallestHeading(*code_, codePane_->font(), code.width()) : 0;
    const int handle = style()->pixelMetric(QStyle::PM_SplitterWidth, nullptr, this);
    const QMargins margins = layout()->contentsMargins();
    lower_->setSizes({code.width(), kWatchWidth});
    panes_->setSizes({kEventsHeight, heading + code.height()});
    const QSize wanted(margins.left() + code.width() + handle + kWatchWidth + margins.right(),
                       margins.top() + timeBar_->sizeHint().height() + layout()->spacing() +
                           kEventsHeight + handle + heading + code.height() + margins.bottom());
    resize(wanted.boundedTo(screen()->availableGeometry().size()));
}

// The Code pane's text area, with its frame, line numbers and scroll bar, around the longest
// handler.
QSize HowItWorks::codeTextRoom() const {
    if (!code_) return {480, 320};
    const QPlainTextEdit* text = codePane_->text();
    const QSize lines = longestHandlerRoom(*code_, text->font());
    const QFontMetrics metrics(text->font());
    const int frame = 2 * (qCeil(text->document()->documentMargin()) + text->frameWidth());
    const int numbers = metrics.horizontalAdvance(QStringLiteral("0000")) + 8;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, text);
    const int cursor = 2 * metrics.averageCharWidth();  // what the text leaves past its end
    return {lines.width() + frame + numbers + bar + cursor,
            lines.height() + frame + metrics.lineSpacing()};
}

// It records only while shown: hidden, each change the program makes costs one pointer test.
void HowItWorks::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    recorder_.start();
    if (!event->spontaneous()) placeBesideMainWindow();
    showFrame();
}

void HowItWorks::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    recorder_.stop();
    frame_.stop();
    outline_.hide();
    frameCheck_.stop();
    timeBar_->returnToRealTime();
}

void HowItWorks::placeBesideMainWindow() {
    Form* main = runtime_.startupForm();
    if (!main || !main->isShown()) return;
    const QMargins margins = knownFrame();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    if (margins.isNull() && !frameCheck_.isActive()) {
        frameChecksLeft_ = kFrameChecks;
        frameCheck_.start();
    }
    const QRect place = placeBeside(main->window()->frameGeometry(), size() + frame,
                                    main->window()->screen()->availableGeometry());
    // The inside, placed exactly: where a window manager puts a window asked for by its frame's
    // corner varies with when Qt learnt of the frame.
    setGeometry(place.marginsRemoved(margins));
}

// Qt works out a window's frame when first asked and keeps it: asked before the window manager
// has framed the window (before it is exposed), it would keep none.
QMargins HowItWorks::knownFrame() const {
    const QWindow* window = windowHandle();
    return window && window->isExposed() ? window->frameMargins() : QMargins();
}

// Qt knows a window's frame only once the window manager has framed it, after the first
// placing, and tells no event of it: the window looks every 50 ms for three seconds and is
// placed again, once, when it is framed. Unframed (no window manager), it stays where it is.
void HowItWorks::placeAgainOnceFramed() {
    if (!knownFrame().isNull()) {
        frameCheck_.stop();
        placeBesideMainWindow();
    } else if (--frameChecksLeft_ <= 0) {
        frameCheck_.stop();
    }
}

qint64 HowItWorks::now() const {
    return runtime_.unpacedClock().now();
}

// The next frame comes a frame's time after the last one, or at once if that has passed.
void HowItWorks::frameDue() {
    if (!isVisible()) return;
    const qint64 wait = std::max<qint64>(0, lastFrame_ + kFrameMs - now());
    if (!frame_.isActive() || (wait == 0 && frame_.interval() > 0))
        frame_.start(static_cast<int>(wait));
}

void HowItWorks::showFrame() {
    frame_.stop();
    lastFrame_ = now();
    recorder_.log().publish();
    followLastRun();
    refreshWatch();
}

// With Follow on, the code shown is the last handler's, with the lines of its last run's
// changes marked.
void HowItWorks::followLastRun() {
    if (timeBar_->follow()->isChecked() && !recorder_.lastHandler().isEmpty())
        codePane_->showMethod(recorder_.lastForm(), recorder_.lastHandler(),
                              recorder_.lastRunLines());
}

// A row chosen by the user shows its handler's code; with Follow on, the code keeps to the
// handler that runs.
void HowItWorks::showCodeOfChosenRow() {
    if (timeBar_->follow()->isChecked()) return;
    const EventLog::Row* row = events_->currentRow();
    if (!row) return;
    const auto place = code_ ? code_->find(row->form, row->handler) : std::nullopt;
    QList<int> lines;
    for (const EventLog::Change& change : row->changes)
        if (place && change.author.file == place->file) lines << change.author.line;
    codePane_->showMethod(row->form, row->handler, lines);
}

// A Watch entry chosen: its control lights, and, not following, the line that last changed it.
void HowItWorks::entryChosen(int entry) {
    const WatchList& watch = recorder_.watch();
    outline_.flash(watch.what(entry).owner, this);
    if (!timeBar_->follow()->isChecked())
        codePane_->showLine(watch.author(entry).file, watch.author(entry).line);
}

// The control whose event a row's handler answers: "cmdScroll_Click" with Index 1 is
// "cmdScroll(1)"; a form's own events have none.
QString HowItWorks::controlOf(const EventLog::Row& row) {
    QString control = row.handler.left(row.handler.lastIndexOf(QLatin1Char('_')));
    if (control == QLatin1String("Form")) return {};
    if (row.index >= 0) control += QStringLiteral("(%1)").arg(row.index);
    return control;
}

// While a mark shows, frames go on until it fades.
void HowItWorks::refreshWatch() {
    if (recorder_.watch().refresh(now())) frameDue();
}

}  // namespace forms
