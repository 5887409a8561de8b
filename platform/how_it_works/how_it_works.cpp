#include "platform/how_it_works/how_it_works.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTextBlock>
#include <QTreeView>
#include <QVBoxLayout>
#include <array>

#include "platform/accessibility/spoken.h"
#include "platform/forms/form.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {

constexpr int kWatchRefreshMs = 33;  // at most 30 times a second
constexpr int kGap = 8;              // between the program's window and this one
constexpr int kLowest = 280;         // the least height worth placing below it

struct Pace {
    const char* text;
    const char* name;  // what a screen reader says
    int divisor;
};
constexpr std::array<Pace, 4> kPaces = {{{"1\u00d7", "full speed", 1},
                                         {"\u00bd\u00d7", "half speed", 2},
                                         {"\u00bc\u00d7", "quarter speed", 4},
                                         {"\u2152\u00d7", "one tenth speed", 10}}};

// The rows of one part of the program, or of all.
class PartFilter final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void showPart(int part) {
        part_ = part;
        invalidateRowsFilter();
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (part_ < 0) return true;
        return sourceModel()->index(row, 0, parent).data(EventLog::kPartRole).toInt() == part_;
    }

  private:
    int part_ = -1;
};

QFont codeFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Noto Sans Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(9);
    return font;
}

// A list of rows with headed columns, read row by row; a tree view without branches, so that
// every row has one height and nothing stands for a row number.
QTreeView* makeTable(QAbstractItemModel* model, const QString& name, QWidget* parent) {
    auto* table = new QTreeView(parent);
    table->setModel(model);
    table->setAccessibleName(name);
    table->setRootIsDecorated(false);
    table->setItemsExpandable(false);
    table->setUniformRowHeights(true);
    table->setAllColumnsShowFocus(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->header()->setStretchLastSection(true);
    return table;
}

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

}  // namespace

HowItWorks::HowItWorks(Runtime& runtime) : QWidget(nullptr, Qt::Window), runtime_(runtime) {
    setWindowTitle(QStringLiteral("How It Works"));
    setAttribute(Qt::WA_QuitOnClose, false);
    if (const auto& text = runtime_.files().keptText()) code_.emplace(*text);
    clock_.start();
    watchRefresh_.setSingleShot(true);
    watchRefresh_.setInterval(kWatchRefreshMs);
    connect(&watchRefresh_, &QTimer::timeout, this, [this] { refreshWatch(); });
    build();
    nameInnerParts(this);
    resize(640, 600);
    setWatcher(this);
}

HowItWorks::~HowItWorks() {
    setWatcher(nullptr);
}

void HowItWorks::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTimeBar());
    filtered_ = new PartFilter(this);
    filtered_->setSourceModel(&log_);
    events_ = makeTable(filtered_, QStringLiteral("Events"), this);
    events_->setColumnWidth(EventLog::TimeColumn, 70);
    events_->setColumnWidth(EventLog::EventColumn, 80);
    events_->setColumnWidth(EventLog::HandlerColumn, 230);
    watchTable_ = makeTable(&watch_, QStringLiteral("Watch"), this);
    watchTable_->setColumnWidth(WatchList::NameColumn, 170);
    auto* lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(buildCodePane());
    lower->addWidget(watchTable_);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    auto* panes = new QSplitter(Qt::Vertical);
    panes->addWidget(events_);
    panes->addWidget(lower);
    layout->addWidget(panes, 1);
    setTabOrder(part_, events_);
    setTabOrder(events_, codeText_);
    setTabOrder(codeText_, watchTable_);

    connect(events_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowChosen(current); });
    connect(filtered_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (events_->verticalScrollBar()->value() >= events_->verticalScrollBar()->maximum() - 1)
            events_->scrollToBottom();
    });
    for (const auto key : {Qt::Key_F1, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &QWidget::hide);
}

QWidget* HowItWorks::buildTimeBar() {
    auto* bar = new QWidget(this);
    bar->setAccessibleName(QStringLiteral("Time"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    pause_ = new QPushButton(QStringLiteral("Pause"), bar);
    pause_->setCheckable(true);
    pause_->setAutoDefault(true);  // Return presses it, as Space does
    pause_->setAccessibleDescription(QStringLiteral("Holds every timer where it stands"));
    step_ = new QPushButton(QStringLiteral("Step"), bar);
    step_->setEnabled(false);
    step_->setAutoDefault(true);
    step_->setAccessibleDescription(QStringLiteral("Runs the next timer tick, once"));
    slowdown_ = new QComboBox(bar);
    for (const Pace& pace : kPaces) {
        slowdown_->addItem(QString::fromUtf8(pace.text), pace.divisor);
        slowdown_->setItemData(slowdown_->count() - 1, QString::fromLatin1(pace.name),
                               Qt::AccessibleTextRole);
    }
    auto* slowLabel = new QLabel(QStringLiteral("Slow motion"), bar);
    slowLabel->setBuddy(slowdown_);
    slowdown_->setAccessibleName(QStringLiteral("Slow motion"));
    follow_ = new QCheckBox(QStringLiteral("Follow"), bar);
    follow_->setChecked(true);
    follow_->setAccessibleDescription(
        QStringLiteral("Shows the code of the handler that ran last"));
    part_ = new QComboBox(bar);
    part_->setAccessibleName(QStringLiteral("Effect"));
    auto* partLabel = new QLabel(QStringLiteral("Effect"), bar);
    partLabel->setBuddy(part_);
    fillPartChoice();
    for (QWidget* w : std::initializer_list<QWidget*>{pause_, step_, slowLabel, slowdown_, follow_})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(partLabel);
    row->addWidget(part_);

    connect(pause_, &QPushButton::toggled, this, [this](bool on) { pauseToggled(on); });
    connect(step_, &QPushButton::clicked, this, [this] { runtime_.stepTimer(); });
    connect(slowdown_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        runtime_.clock().setSlowdown(slowdown_->itemData(choice).toInt());
    });
    connect(follow_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            followLastRun();
        else
            rowChosen(events_->currentIndex());
    });
    connect(part_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        const int part = part_->itemData(choice).toInt();
        static_cast<PartFilter*>(filtered_)->showPart(part);
        watch_.showPart(part);
        refreshWatch();
    });
    return bar;
}

QWidget* HowItWorks::buildCodePane() {
    auto* pane = new QWidget(this);
    pane->setAccessibleName(QStringLiteral("Code pane"));
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    about_ = new QLabel(pane);
    about_->setWordWrap(true);
    about_->setAccessibleName(QStringLiteral("About this effect"));
    codeText_ = new QPlainTextEdit(pane);
    codeText_->setReadOnly(true);
    codeText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    codeText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeText_->setFont(codeFont());
    codeText_->setAccessibleName(QStringLiteral("Code"));
    codeText_->setTabChangesFocus(true);
    if (!code_)
        codeText_->setPlainText(
            QStringLiteral("The program's code could not be read, so no handler's code can "
                           "be shown. It is read at start-up from:\n%1")
                .arg(runtime_.files().keptPath()));
    column->addWidget(about_);
    column->addWidget(codeText_, 1);
    return pane;
}

// "All effects", then every file of the code that defines handlers.
void HowItWorks::fillPartChoice() {
    part_->addItem(QStringLiteral("All effects"), -1);
    if (!code_) return;
    const auto& files = code_->files();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i].definesHandlers) part_->addItem(files[i].title, static_cast<int>(i));
}

void HowItWorks::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) placeBesideMainWindow();
    followLastRun();
    refreshWatch();
}

void HowItWorks::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) returnToRealTime();
}

void HowItWorks::returnToRealTime() {
    pause_->setChecked(false);
    slowdown_->setCurrentIndex(0);
    runtime_.clock().setHeld(false);
    runtime_.clock().setSlowdown(1);
}

// To the right of the program's main window where the screen has room, else to its left, else
// below it (lower, if need be): never over the effects, unless the screen is too small for
// anything else.
void HowItWorks::placeBesideMainWindow() {
    Form* main = runtime_.startupForm();
    if (!main || !main->isShown()) return;
    const QRect beside = main->window()->frameGeometry();
    const QRect screen = main->window()->screen()->availableGeometry();
    QSize size(std::min(width(), screen.width()),
               std::min(std::max(height(), beside.height()), screen.height()));
    QPoint at(beside.right() + kGap, beside.top());
    const int roomBelow = screen.bottom() - beside.bottom() - kGap;
    const bool fitsRight = at.x() + size.width() <= screen.right();
    if (!fitsRight && beside.left() - kGap - size.width() >= screen.left()) {
        at.setX(beside.left() - kGap - size.width());
    } else if (!fitsRight && roomBelow >= kLowest) {
        at = QPoint(beside.left(), beside.bottom() + kGap);
        size = QSize(std::min(std::max(size.width(), beside.width()), screen.width()),
                     std::min(size.height(), roomBelow));
    } else if (!fitsRight) {
        at.setX(screen.right() - size.width());
    }
    at.setX(
        std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())));
    at.setY(
        std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height())));
    resize(size);
    move(at);
}

int HowItWorks::partOf(const QString& form, const QString& handler) const {
    if (!code_) return -1;
    const auto place = code_->find(form, handler);
    return place ? place->file : -1;
}

void HowItWorks::handlerStarted(const HandlerRun& run) {
    runningPart_ = partOf(run.form, run.handler);
    lastForm_ = run.form;
    lastHandler_ = run.handler;
    log_.begin(run, runningPart_);
}

void HowItWorks::handlerFailed(const RuntimeError& error) {
    log_.fail(error.number, error.description);
}

void HowItWorks::changed(const QString& what, const QString& from, const QString& to) {
    log_.change(what, from, to);
    watch_.changed(what, to, runningPart_, clock_.elapsed());
    if (isVisible() && !watchRefresh_.isActive()) watchRefresh_.start();
}

void HowItWorks::handlerEnded() {
    log_.end();
    if (isVisible()) followLastRun();
}

// With Follow on, the code shown is the last handler's.
void HowItWorks::followLastRun() {
    if (!follow_->isChecked() || lastHandler_.isEmpty()) return;
    if (lastForm_ != shownForm_ || lastHandler_ != shownHandler_)
        showCodeOf(lastForm_, lastHandler_);
}

// A row chosen by the user shows its handler's code; with Follow on, the code keeps to the
// handler that runs.
void HowItWorks::rowChosen(const QModelIndex& current) {
    if (!current.isValid() || follow_->isChecked()) return;
    const EventLog::Row& row = log_.row(filtered_->mapToSource(current).row());
    showCodeOf(row.form, row.handler);
}

void HowItWorks::showCodeOf(const QString& form, const QString& handler) {
    shownForm_ = form;
    shownHandler_ = handler;
    if (!code_) return;
    const auto place = code_->find(form, handler);
    if (!place) {
        shownFile_ = -1;
        about_->clear();
        codeText_->setPlainText(
            QStringLiteral("%1.%2 is not in the program's code.").arg(form, handler));
        return;
    }
    showFile(place->file);
    QTextCursor cursor(codeText_->document()->findBlockByNumber(place->firstLine));
    QList<QTextEdit::ExtraSelection> marks;
    for (int line = place->firstLine; line <= place->lastLine; ++line) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(codeText_->document()->findBlockByNumber(line));
        mark.format.setBackground(QColor(0xFF, 0xF0, 0x9E));
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
    }
    codeText_->setExtraSelections(marks);
    codeText_->setTextCursor(cursor);
    codeText_->verticalScrollBar()->setValue(place->firstLine);
}

void HowItWorks::showFile(int file) {
    if (file == shownFile_) return;
    shownFile_ = file;
    const CodeIndex::File& f = code_->files()[static_cast<std::size_t>(file)];
    about_->setText(f.headComment);
    codeText_->setPlainText(f.lines.join(QLatin1Char('\n')));
}

void HowItWorks::pauseToggled(bool paused) {
    runtime_.clock().setHeld(paused);
    step_->setEnabled(paused);
}

void HowItWorks::refreshWatch() {
    if (watch_.refresh(clock_.elapsed()) && isVisible()) watchRefresh_.start();
}

}  // namespace forms
