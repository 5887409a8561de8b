// The code viewer: a fixed window with a button strip over a read-only, scrolling text box.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "app/project.h"
#include "forms/code/frmCode.h"
#include "platform/controls/text_widget.h"
#include "support/harness.h"

namespace {

using namespace forms;
using kinemora::frmCode;
using testing_support::Harness;
using testing_support::ProgramDir;

QPlainTextEdit& box(const frmCode& code) {
    return *static_cast<QPlainTextEdit*>(code.txtCode.widget());
}

void expectPlace(const Control& c, QWidget* container, QRect twips, int tabIndex) {
    SCOPED_TRACE(c.Name().toStdString());
    EXPECT_EQ(c.widget()->parentWidget(), container);
    EXPECT_EQ(QRect(c.Left, c.Top, c.Width, c.Height), twips);
    EXPECT_EQ(c.widget()->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
    EXPECT_EQ(c.TabIndex(), tabIndex);
    EXPECT_TRUE(c.Visible.get());
}

TEST(CodeViewer, LaidOutAsAButtonStripOverALockedScrollingTextBox) {
    Harness h;
    frmCode& code = Instance<frmCode>();
    EXPECT_FALSE(code.isShown());
    EXPECT_EQ(code.Caption.get(), "Project Code");
    EXPECT_EQ(code.window()->size(), QSize(577, 431));
    EXPECT_EQ(code.window()->minimumSize(), code.window()->maximumSize());

    expectPlace(code.Picture1, code.window(), {0, 0, 8655, 495}, 1);
    expectPlace(code.cmdClose, code.Picture1.widget(), {7440, 0, 1095, 375}, 2);
    expectPlace(code.txtCode, code.window(), {0, 480, 8655, 6015}, 0);
    EXPECT_EQ(code.Picture1.BackColor.get(), vbButtonFace);
    EXPECT_EQ(code.cmdClose.Caption.get(), "Close");
    const QObjectList& stack = code.window()->children();  // later children lie on top
    EXPECT_GT(stack.indexOf(code.Picture1.widget()), stack.indexOf(code.txtCode.widget()));

    EXPECT_TRUE(code.txtCode.Text->isEmpty());
    EXPECT_TRUE(code.txtCode.Locked.get());
    EXPECT_TRUE(box(code).isReadOnly());
    EXPECT_EQ(box(code).lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(box(code).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box(code).horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(CodeViewer, ShownWithFocusOnTheTextAtItsStartAndRefusesEdits) {
    ProgramDir dir;
    Harness h;
    h.runtime().setAppPath(dir.path());
    startProject(h.runtime(), kinemora::project());
    frmCode& code = Instance<frmCode>();
    code.Show();
    h.settle();
    EXPECT_EQ(code.window()->focusWidget(), code.txtCode.widget());
    EXPECT_GT(box(code).verticalScrollBar()->maximum(), 0);  // code.txt is longer than the box
    EXPECT_EQ(box(code).verticalScrollBar()->value(), 0);

    const QString text = code.txtCode.Text;
    QTest::keyClicks(code.txtCode.widget(), "typed");
    EXPECT_EQ(code.txtCode.Text.get(), text);
}

// Waits until the viewer's box holds all of its text.
void waitUntilFilled(const frmCode& code) {
    const auto& widget = static_cast<const TextWidget&>(*code.txtCode.widget());
    while (widget.isFilling()) QCoreApplication::processEvents();
}

QString copyOfAll(frmCode& code) {
    box(code).selectAll();
    box(code).copy();
    return QGuiApplication::clipboard()->text();
}

// A long text goes into the box a slice at a time, the window answering between the slices;
// very long lines are laid out in pieces, yet what is copied is the text itself.
TEST(CodeViewer, ShowsAnyTextWithoutFreezingAndCopiesItExactly) {
    const QString pair = QString::fromUtf8("\xF0\x9F\x98\x80");  // a surrogate pair
    QString longLine;
    for (int i = 0; longLine.size() < 1024 * 1024; ++i)
        longLine += i % 997 ? QStringLiteral("Abs(intSpeed) ") : pair + QStringLiteral("x\r");
    const QString lines = QStringLiteral("one line of code\r\n").repeated(200000);
    const QString unbroken = QString(100000, QLatin1Char('x')) + pair + QString(100000, u'y');
    Harness h;
    frmCode& code = Instance<frmCode>();
    for (const auto& [text, large] : {std::pair{lines + longLine, true}, {unbroken, false}}) {
        code.txtCode.Text = text;
        code.Show();
        int ticksWhileFilling = 0;
        QTimer beat;
        QObject::connect(&beat, &QTimer::timeout, [&] { ++ticksWhileFilling; });
        beat.start(0);
        const bool filling = static_cast<const TextWidget&>(*code.txtCode.widget()).isFilling();
        waitUntilFilled(code);
        if (large) {
            EXPECT_TRUE(filling);
            EXPECT_GT(ticksWhileFilling, 0);
        }
        EXPECT_EQ(code.txtCode.Text.get(), text);
        EXPECT_EQ(box(code).textCursor().position(), 0);  // it opens at the start
        int longest = 0;
        for (QTextBlock b = box(code).document()->begin(); b.isValid(); b = b.next())
            longest = std::max(longest, b.length());
        EXPECT_LE(longest, 4097);
        QString expected = text;
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        EXPECT_EQ(copyOfAll(code), expected);
        code.Hide();
    }
}

}  // namespace
