#pragma once

#include "windows_fixture.h"

#include "help/helpwindows.h"
#include "help/videowindow.h"
#include "screens/services/names.h"
#include "screens/services/programfolder.h"

#include <QString>

inline const QString kDocsDir = QStringLiteral(NUMORA_DOCS_DIR);
inline const QString kVideoDir = QStringLiteral(NUMORA_VIDEO_DIR);

// The program's windows with the help windows registered, the main window open and the
// program folder pointing at the guides of the source tree.
class HelpWindowsTest : public WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        numora::registerHelpWindows(numora::forms());
        // The video window built into the test, in place of the program's video module.
        numora::forms().registerForm(numora::names::Video, [] { return new numora::VideoWindow; });
        numora::setProgramFolder(kDocsDir);
        numora::forms().show(numora::names::MainWindow);
    }
    void TearDown() override
    {
        WindowsTest::TearDown();
        numora::setProgramFolder({});
    }
};
