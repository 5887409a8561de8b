#include "platform/how_it_works/records/code_index.h"

#include <QRegularExpression>
#include <QStringTokenizer>

namespace forms {

namespace {

// A file's text is shown whole up to this many lines; an honest source file is far shorter.
constexpr qsizetype kMostLines = 5000;
constexpr qsizetype kLongestLine = 2000;

// "==== path ====", as the code file's writer heads each file.
constexpr QLatin1String kOpen(FORMS_CODE_HEADING_MARK " ");
constexpr QLatin1String kClose(" " FORMS_CODE_HEADING_MARK);

bool isHeading(QStringView line) {
    return line.startsWith(kOpen) && line.endsWith(kClose) &&
           line.size() > kOpen.size() + kClose.size();
}

QStringView headingPath(QStringView line) {
    return line.mid(kOpen.size(), line.size() - kOpen.size() - kClose.size());
}

bool isComment(const QString& line) {
    return line.trimmed().startsWith(QLatin1String("//"));
}

// The text of a run of comment lines, without the slashes, as one paragraph.
QString commentText(const QStringList& lines, qsizetype from, qsizetype to) {
    QStringList words;
    for (qsizetype i = from; i < to; ++i) words << lines[i].trimmed().mid(2).trimmed();
    return words.join(QLatin1Char(' '));
}

QString firstComment(const QStringList& lines) {
    qsizetype start = 0;
    while (start < lines.size() && !isComment(lines[start])) ++start;
    qsizetype end = start;
    while (end < lines.size() && isComment(lines[end])) ++end;
    return commentText(lines, start, end);
}

}  // namespace

QString titleOf(const QString& path) {
    const QString file = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QString stem = file.left(file.indexOf(QLatin1Char('.')));
    if (stem.isEmpty() || stem != stem.toLower()) return stem.isEmpty() ? file : stem;
    QString title = stem;
    title.replace(QLatin1Char('_'), QLatin1Char(' '));
    title[0] = title[0].toUpper();
    return title;
}

// Walks the text a line at a time, keeping only what is shown: a huge file costs no copy.
CodeIndex::CodeIndex(const QString& text) {
    QString path;
    QStringList body;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (isHeading(line)) {
            if (!path.isEmpty() || !body.isEmpty()) addFile(path, std::move(body));
            path = headingPath(line).toString();
            body.clear();
        } else if (body.size() < kMostLines) {
            body << line.left(kLongestLine).toString();
        }
    }
    if (!path.isEmpty() || !body.isEmpty()) addFile(path, std::move(body));
}

// A heading is followed by one blank line and then the file as it is, so that line n of the
// file is lines[n - 1].
void CodeIndex::addFile(const QString& path, QStringList lines) {
    if (!lines.isEmpty() && lines.first().trimmed().isEmpty()) lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    files_.push_back({path, titleOf(path), firstComment(lines), std::move(lines)});
    indexDefinitions(static_cast<int>(files_.size()) - 1);
    indexStatementStarts(static_cast<int>(files_.size()) - 1);
}

// A definition starts at the left margin ("void frmMain::cmdGo_Click() {") and ends at the
// first closing brace there.
void CodeIndex::indexDefinitions(int file) {
    static const QRegularExpression definition(
        QStringLiteral(R"(^\w[\w:<>&*\s]*\b(\w+)::(\w+)\()"));
    File& f = files_[file];
    for (qsizetype i = 0; i < f.lines.size(); ++i) {
        const QRegularExpressionMatch match = definition.match(f.lines[i]);
        if (!match.hasMatch() || f.lines[i].trimmed().endsWith(QLatin1Char(';'))) continue;
        qsizetype first = i;
        while (first > 0 && isComment(f.lines[first - 1])) --first;
        qsizetype last = i;
        while (last + 1 < f.lines.size() && f.lines[last] != QLatin1String("}")) ++last;
        const QString method = match.captured(2);
        const Place place{file, static_cast<int>(first), static_cast<int>(last)};
        places_.push_back(place);
        byForm_[match.captured(1)].insert(method, place);
        if (method.contains(QLatin1Char('_'))) f.definesHandlers = true;
        i = last;
    }
}

std::optional<CodeIndex::Place> CodeIndex::find(const QString& form, const QString& method) const {
    const auto methods = byForm_.constFind(form);
    if (methods == byForm_.constEnd()) return std::nullopt;
    const auto it = methods->constFind(method);
    if (it == methods->constEnd()) return std::nullopt;
    return *it;
}

int CodeIndex::fileOf(const char* compiledPath) const {
    if (!compiledPath) return -1;
    if (const auto known = compiledFiles_.constFind(compiledPath); known != compiledFiles_.cend())
        return *known;
    const QString compiled = QString::fromUtf8(compiledPath).replace(QLatin1Char('\\'), u'/');
    int found = -1;
    for (std::size_t i = 0; i < files_.size() && found < 0; ++i) {
        const QString& path = files_[i].path;
        if (compiled == path ||
            (compiled.endsWith(path) && compiled[compiled.size() - path.size() - 1] == u'/'))
            found = static_cast<int>(i);
    }
    compiledFiles_.insert(compiledPath, found);
    return found;
}

int CodeIndex::statementStart(int file, int line) const {
    if (file < 0) return line;
    const std::vector<int>& starts = statementStarts_[static_cast<std::size_t>(file)];
    const auto at = static_cast<std::size_t>(line);
    return line >= 1 && at < starts.size() ? starts[at] : line;
}

// Found once a file, not once a change: a line starts a statement unless the line above goes on.
void CodeIndex::indexStatementStarts(int file) {
    const QStringList& lines = files_[static_cast<std::size_t>(file)].lines;
    auto goesOn = [](const QString& text) {
        const QString code = text.trimmed();
        return !code.isEmpty() && !code.startsWith(QLatin1String("//")) &&
               !code.endsWith(QLatin1Char(';')) && !code.endsWith(QLatin1Char('{')) &&
               !code.endsWith(QLatin1Char('}')) && !code.endsWith(QLatin1Char(':'));
    };
    std::vector<int>& starts =
        statementStarts_.emplace_back(static_cast<std::size_t>(lines.size()) + 2, 0);
    for (std::size_t line = 1; line < starts.size(); ++line)
        starts[line] = line > 1 && goesOn(lines[static_cast<qsizetype>(line) - 2])
                           ? starts[line - 1]
                           : static_cast<int>(line);
}

int CodeIndex::lineIn(const Place& method, const QString& text) const {
    const QStringList& lines = files_[static_cast<std::size_t>(method.file)].lines;
    for (int line = method.firstLine; line <= method.lastLine && line < lines.size(); ++line)
        if (lines[line].contains(text)) return line;
    return -1;
}

std::vector<std::pair<QString, int>> CodeIndex::effects(
    const std::vector<NamedEffect>& named) const {
    std::vector<std::pair<QString, int>> effects;
    std::vector<bool> listed(files_.size(), false);
    auto isFile = [](const File& file, const char* name) {
        const QString wanted = QString::fromUtf8(name);
        return file.path == wanted || file.path.endsWith(QLatin1Char('/') + wanted);
    };
    for (const NamedEffect& effect : named)
        for (std::size_t i = 0; i < files_.size(); ++i)
            if (!listed[i] && files_[i].definesHandlers && isFile(files_[i], effect.file)) {
                effects.emplace_back(QString::fromUtf8(effect.name), static_cast<int>(i));
                listed[i] = true;
            }
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (!listed[i] && files_[i].definesHandlers)
            effects.emplace_back(files_[i].title, static_cast<int>(i));
    return effects;
}

}  // namespace forms
