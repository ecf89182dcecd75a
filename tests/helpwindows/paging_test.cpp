#include "helpwindows_fixture.h"

#include "help/infowindows.h"
#include "help/licenceviewer.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

using namespace numora;
namespace names = numora::names;

namespace {

// The characters of a view's lines seen whole, from the first line's start to the last
// line's end, as document positions.
struct Seen
{
    int first;
    int last;
    int scroll;
};

// Whether the document holds nothing a reader could miss between two positions: spaces,
// paragraph ends and table cell boundaries, no letter and no picture.
bool onlyBreaks(QTextDocument *doc, int from, int to, QString *missed)
{
    for (int i = from; i < to; ++i) {
        const QChar c = doc->characterAt(i);
        if (c.isSpace() || c == QChar(0xfdd0) || c == QChar(0xfdd1))
            continue;
        QTextCursor cursor(doc);
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        *missed = cursor.selectedText();
        return false;
    }
    return true;
}

class PagingTest : public HelpWindowsTest
{
protected:
    void SetUp() override
    {
        HelpWindowsTest::SetUp();
        registerInfoWindows(forms());
    }

    // The lines of `box` in sight whole, found from the viewport's top-left and bottom-right
    // corners: a line the edge cuts gives way to its neighbour inside the view.
    static Seen seen(QTextEdit *box)
    {
        const QRect view = box->viewport()->rect();
        QTextCursor first = box->cursorForPosition(view.topLeft());
        for (int guard = 0; box->cursorRect(first).top() < 0 && guard < 50; ++guard) {
            const QTextCursor next =
                box->cursorForPosition(QPoint(view.left(), box->cursorRect(first).bottom() + 1));
            if (next.position() <= first.position())
                break;
            first = next;
        }
        QTextCursor last = box->cursorForPosition(view.bottomRight());
        for (int guard = 0; box->cursorRect(last).bottom() > view.bottom() && guard < 50; ++guard) {
            const QTextCursor previous =
                box->cursorForPosition(QPoint(view.right(), box->cursorRect(last).top() - 1));
            if (previous.position() >= last.position())
                break;
            last = previous;
        }
        first.movePosition(QTextCursor::StartOfLine);
        last.movePosition(QTextCursor::EndOfLine);
        return {first.position(), last.position(), box->verticalScrollBar()->value()};
    }

    // Presses `key` until the view stops moving; the views met, the first included.
    static QList<Seen> pageThrough(QTextEdit *box, Qt::Key key)
    {
        QList<Seen> views{seen(box)};
        for (int guard = 0; guard < 200; ++guard) {
            QTest::keyClick(box, key);
            const Seen now = seen(box);
            // The text cursor moves with the view, so the arrows go on from what is shown.
            EXPECT_TRUE(box->viewport()->rect().contains(box->cursorRect().center()))
                << "the cursor was left out of view at " << now.scroll << " (its line at "
                << box->cursorRect().y() << ", " << box->cursorRect().height() << " high)";
            if (now.scroll == views.last().scroll)
                break;
            views << now;
        }
        return views;
    }

    // Pages through the document of `box` from the top with Page Down and from the end with
    // Page Up: each way, the views follow one another in order and together show every line.
    static void expectEveryLineSeen(QTextEdit *box)
    {
        QTextDocument *doc = box->document();
        // The whole document laid out, as a reader paging to its end would find it.
        doc->documentLayout()->blockBoundingRect(doc->lastBlock());
        QCoreApplication::processEvents();
        const int end = doc->characterCount() - 1;
        const int height = box->viewport()->height();
        ASSERT_GT(box->verticalScrollBar()->maximum(), 0) << "the document fits in one view";

        for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
            const bool down = key == Qt::Key_PageDown;
            SCOPED_TRACE(down ? "Page Down from the top" : "Page Up from the end");
            QTest::keyClick(box, down ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
            QList<Seen> views = pageThrough(box, key);
            EXPECT_EQ(views.last().scroll, down ? box->verticalScrollBar()->maximum() : 0);
            if (!down)
                std::reverse(views.begin(), views.end());

            int covered = 0;
            for (int i = 0; i < views.size(); ++i) {
                const Seen &view = views[i];
                EXPECT_LT(view.first, view.last) << "view " << i << " shows no whole line";
                if (i > 0) {
                    // One view less a line or two, but for the last move, which stops at the
                    // end.
                    const int step = view.scroll - views[i - 1].scroll;
                    const bool last = (down ? i : views.size() - i) == views.size() - 1;
                    EXPECT_LT(step, height) << "view " << i;
                    if (!last) {
                        EXPECT_GE(step, height / 2) << "view " << i;
                    }
                    EXPECT_GE(view.first, views[i - 1].first) << "view " << i;
                }
                QString missed;
                EXPECT_TRUE(onlyBreaks(doc, covered, view.first, &missed))
                    << "never seen before view " << i << " (scrolled to " << view.scroll
                    << "): \"" << missed.toStdString() << "\"";
                covered = std::max(covered, view.last);
            }
            QString missed;
            EXPECT_TRUE(onlyBreaks(doc, covered, end, &missed))
                << "never seen at the end: \"" << missed.toStdString() << "\"";
        }
    }
};

} // namespace

TEST_F(PagingTest, EveryGuideIsSeenWholeWithPageDownAndPageUp)
{
    click(names::MainWindow, "CmdHlp");
    auto *box = child<QTextEdit>(names::Help, "RtfBoxHlp");
    ASSERT_NE(box, nullptr);
    for (const char *flag : {"PicUS", "picFRA", "picGER", "PicITA", "picSPA"}) {
        SCOPED_TRACE(flag);
        clickLabel(names::Help, flag);
        ASSERT_GT(box->document()->characterCount(), 1000) << box->toPlainText().toStdString();
        expectEveryLineSeen(box);
    }
}

TEST_F(PagingTest, AgreementIsSeenWholeWithPageDownAndPageUp)
{
    forms().show(names::Licence);
    auto *viewer = forms().form<LicenceViewer>(names::Licence);
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(viewer->loadFile(QDir(kDocsDir).filePath(kAgreementFile)));
    auto *box = viewer->findChild<QTextEdit *>("rtfLicbox");
    expectEveryLineSeen(box);

    // Shift with the page keys selects from where the cursor stood.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(box->textCursor().anchor(), 0);
    EXPECT_GT(box->textCursor().position(), 100);
    QTest::keyClick(box, Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(box->textCursor().anchor(), 0);
    EXPECT_LT(box->textCursor().position(), 100);
}
