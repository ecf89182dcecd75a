#pragma once

#include "windows_fixture.h"

#include "help/helpwindows.h"
#include "help/infowindows.h"
#include "help/videowindow.h"
#include "screens/services/names.h"
#include "screens/services/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Every window of the program registered, and a program folder of its own holding copies of
// the documents and the video.
class ProgramTest : public WindowsTest
{
public:
    static inline const QStringList kFiles{
        "Numora User Guide.rtf", "649HlpGuideFrench.rtf", "649HlpGuideGerman.rtf",
        "649HlpGuideItalian.rtf", "649HlpGuideSpanish.rtf", "NumoraUela.rtf", "NumoraHelpMov.avi"};

protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        numora::registerHelpWindows(numora::forms());
        numora::registerInfoWindows(numora::forms());
        numora::forms().registerForm(numora::names::Video, [] { return new numora::VideoWindow; });
        ASSERT_TRUE(m_folder.isValid());
        for (const QString &name : kFiles) {
            const QString source = QDir(name.endsWith(".avi") ? QStringLiteral(NUMORA_VIDEO_DIR)
                                                              : QStringLiteral(NUMORA_DOCS_DIR))
                                       .filePath(name);
            ASSERT_TRUE(QFile::copy(source, m_folder.filePath(name))) << name.toStdString();
        }
        numora::setProgramFolder(m_folder.path());
        numora::forms().show(numora::names::MainWindow);
    }
    void TearDown() override
    {
        WindowsTest::TearDown();
        numora::setProgramFolder({});
    }

    QTemporaryDir m_folder;
};
