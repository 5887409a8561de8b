// The code viewer: a fixed window with a button strip over a read-only, scrolling text box.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "app/project.h"
#include "forms/code/frmCode.h"
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

}  // namespace
