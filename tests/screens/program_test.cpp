#include "screens/services/forms.h"
#include "screens/services/program.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace numora {
namespace {

class ProgramEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        forms().registerForm("frmMainWin", [] { return new Form; });
        forms().registerForm("frmOther", [] { return new Form; });
        forms().show("frmMainWin");
        forms().show("frmOther");
        // Stops a run that would otherwise never end; exit code 1 marks it.
        m_safetyNet.setSingleShot(true);
        m_safetyNet.setInterval(5000);
        QObject::connect(&m_safetyNet, &QTimer::timeout, &m_safetyNet,
                         [] { QCoreApplication::exit(1); });
        m_safetyNet.start();
    }

    void TearDown() override { forms().unloadAll(); }

    QTimer m_safetyNet;
};

TEST_F(ProgramEnd, FromANestedLoopInsideTheMainLoopEndsBoth)
{
    AppProgram app;
    QObject context;
    bool nestedReturned = false;
    QTimer::singleShot(0, &context, [&] {
        QEventLoop nested; // a modal box's loop
        QTimer::singleShot(0, &context, [&] { app.end(); });
        nested.exec();
        nestedReturned = true;
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(nestedReturned);
    EXPECT_TRUE(forms().loadedNewestFirst().isEmpty());
}

TEST_F(ProgramEnd, BeforeTheMainLoopRunsTheMainLoopEndsAsSoonAsItStarts)
{
    AppProgram app;
    QObject context;
    QEventLoop nested; // a box shown before the main loop
    QTimer::singleShot(0, &context, [&] { app.end(); });
    nested.exec();
    EXPECT_TRUE(forms().loadedNewestFirst().isEmpty());

    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(RecordingProgram, CountsAndEndsNothing)
{
    RecordingProgram recorder;
    setProgram(&recorder);
    forms().registerForm("frmKept", [] { return new Form; });
    forms().show("frmKept");
    program().end();
    program().end();
    EXPECT_EQ(recorder.endCalls(), 2);
    EXPECT_TRUE(forms().isLoaded("frmKept"));
    setProgram(nullptr);
    EXPECT_NE(dynamic_cast<AppProgram *>(&program()), nullptr);
    forms().unloadAll();
}

} // namespace
} // namespace numora
