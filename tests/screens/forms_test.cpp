#include "screens/services/forms.h"

#include <gtest/gtest.h>

#include <QBackingStore>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

namespace numora {
namespace {

QStringList g_events;

// A window with one label and one button; counts its loads and logs when it is hidden.
class SampleForm : public Form
{
    Q_OBJECT
public:
    SampleForm()
    {
        m_label = new QLabel(QStringLiteral("Design caption"), this);
        m_label->setObjectName(QStringLiteral("lblCaption"));
        m_button = new QPushButton(QStringLiteral("Close"), this);
        m_button->setObjectName(QStringLiteral("cmdClose"));
        connect(m_button, &QPushButton::clicked, this, &SampleForm::cmdClose_Click);
    }

    void load() override
    {
        ++loads;
        g_events.append(objectName() + QStringLiteral(" load"));
    }

    QLabel *label() const { return m_label; }
    QPushButton *button() const { return m_button; }

    static inline int loads = 0;

protected:
    void hideEvent(QHideEvent *event) override
    {
        g_events.append(objectName() + QStringLiteral(" hide"));
        Form::hideEvent(event);
    }

private:
    void cmdClose_Click()
    {
        forms().unload(objectName());
        // The handler goes on after unloading its own window, as handlers do.
        m_label->setText(QStringLiteral("after unload"));
    }

    QLabel *m_label = nullptr;
    QPushButton *m_button = nullptr;
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"frmA", "frmB", "frmC"})
            forms().registerForm(QString::fromLatin1(name), [] { return new SampleForm; });
        SampleForm::loads = 0;
        g_events.clear();
    }

    void TearDown() override
    {
        forms().unloadAll();
        flushDeletes();
    }
};

TEST_F(FormsTest, VisibleTestNeverCreatesAndReferenceLoadsOnce)
{
    EXPECT_FALSE(forms().isVisible("frmA"));
    EXPECT_FALSE(forms().isLoaded("frmA"));
    EXPECT_EQ(SampleForm::loads, 0);

    auto *a = forms().form<SampleForm>("frmA");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->objectName(), "frmA");
    EXPECT_TRUE(forms().isLoaded("frmA"));
    EXPECT_FALSE(forms().isVisible("frmA"));

    EXPECT_EQ(forms().show("frmA"), a);
    EXPECT_EQ(forms().show("frmA"), a);
    EXPECT_TRUE(forms().isVisible("frmA"));
    EXPECT_EQ(SampleForm::loads, 1);

    EXPECT_EQ(forms().form("frmUnknown"), nullptr);
    EXPECT_EQ(forms().show("frmUnknown"), nullptr);
    EXPECT_FALSE(forms().isLoaded("frmUnknown"));
}

TEST_F(FormsTest, HideKeepsTheWindowAndItsState)
{
    auto *a = static_cast<SampleForm *>(forms().show("frmA"));
    a->label()->setText(QStringLiteral("Changed"));
    forms().hide("frmA");
    EXPECT_FALSE(forms().isVisible("frmA"));
    EXPECT_TRUE(forms().isLoaded("frmA"));

    EXPECT_EQ(forms().show("frmA"), a);
    EXPECT_EQ(a->label()->text(), "Changed");
    EXPECT_EQ(SampleForm::loads, 1);
}

// A window the program hides keeps no copy of itself for the screen, and paints itself whole
// again when it shows.
TEST_F(FormsTest, HiddenWindowGivesBackItsBackingStoreAndRepaintsWholeOnShow)
{
    struct PaintLog : QObject
    {
        QRegion painted;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent *>(event)->region();
            return false;
        }
    } log;
    auto *a = static_cast<SampleForm *>(forms().form("frmA"));
    a->resize(160, 90);
    a->installEventFilter(&log);
    forms().show("frmA");
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.painted.contains(a->rect()); }));
    ASSERT_EQ(a->backingStore()->size(), a->size());

    forms().hide("frmA");
    // Empty, and valid: X11's backing store reads an invalid size as an image of gigabytes.
    EXPECT_EQ(a->backingStore()->size(), QSize(0, 0));

    log.painted = {};
    forms().show("frmA");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.painted.contains(a->rect()); }));
    EXPECT_EQ(a->backingStore()->size(), a->size());
    a->removeEventFilter(&log);
}

TEST_F(FormsTest, UnloadDiscardsAtOnceAndReloadRestoresDesignState)
{
    QPointer<SampleForm> old = static_cast<SampleForm *>(forms().show("frmA"));
    old->label()->setText(QStringLiteral("Changed"));

    forms().unload("frmA");
    EXPECT_FALSE(forms().isLoaded("frmA"));
    EXPECT_FALSE(forms().isVisible("frmA"));
    EXPECT_FALSE(old->isVisible());

    auto *fresh = static_cast<SampleForm *>(forms().show("frmA"));
    EXPECT_NE(fresh, old.data());
    EXPECT_EQ(fresh->label()->text(), "Design caption");
    EXPECT_EQ(SampleForm::loads, 2);

    flushDeletes();
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(forms().isVisible("frmA"));
}

TEST_F(FormsTest, LoadOrderIsListedNewestFirstAndUnloadAllFollowsIt)
{
    forms().show("frmA");
    forms().show("frmB");
    forms().form("frmC");
    forms().show("frmC");
    EXPECT_EQ(forms().loadedNewestFirst(), QStringList({"frmC", "frmB", "frmA"}));

    // A reloaded window is the newest.
    forms().unload("frmA");
    forms().show("frmA");
    EXPECT_EQ(forms().loadedNewestFirst(), QStringList({"frmA", "frmC", "frmB"}));

    g_events.clear();
    forms().unloadAll();
    EXPECT_EQ(g_events, QStringList({"frmA hide", "frmC hide", "frmB hide"}));
    EXPECT_TRUE(forms().loadedNewestFirst().isEmpty());
}

TEST_F(FormsTest, WindowCanUnloadItselfFromItsOwnHandler)
{
    QPointer<SampleForm> a = static_cast<SampleForm *>(forms().show("frmA"));
    a->button()->click();
    EXPECT_FALSE(forms().isLoaded("frmA"));
    ASSERT_FALSE(a.isNull()); // still alive until control returns to the event loop
    flushDeletes();
    EXPECT_TRUE(a.isNull());
}

TEST_F(FormsTest, CloseBoxUnloadsOnlyItsOwnInstance)
{
    QPointer<SampleForm> old = static_cast<SampleForm *>(forms().show("frmA"));
    forms().show("frmB");
    EXPECT_TRUE(old->close());
    EXPECT_FALSE(forms().isLoaded("frmA"));
    EXPECT_TRUE(forms().isVisible("frmB"));

    // A late close of the discarded instance leaves the fresh one alone.
    auto *fresh = forms().show("frmA");
    old->close();
    EXPECT_TRUE(forms().isLoaded("frmA"));
    EXPECT_EQ(forms().form("frmA"), fresh);
}

TEST_F(FormsTest, LoadStepsThatReferToTheWindowFindTheSameInstance)
{
    class SelfReferring : public Form
    {
    public:
        void load() override { seen = forms().form(objectName()); }
        QWidget *seen = nullptr;
    };
    forms().registerForm("frmSelf", [] { return new SelfReferring; });
    auto *w = forms().form<SelfReferring>("frmSelf");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->seen, w);
    EXPECT_EQ(forms().loadedNewestFirst(), QStringList({"frmSelf"}));
}

} // namespace
} // namespace numora

#include "forms_test.moc"
