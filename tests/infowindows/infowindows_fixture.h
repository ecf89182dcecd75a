#pragma once

#include "../screens/windows_fixture.h"

#include "help/infowindows.h"
#include "help/platform.h"
#include "screens/services/names.h"
#include "screens/services/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The program's windows with the information windows, a key store and a shell that only
// record, and a program folder of the test's own.
class InfoWindowsTest : public WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        numora::registerInfoWindows(numora::forms());
        numora::setKeyStore(&keys);
        numora::setShell(&desktop);
        ASSERT_TRUE(folder.isValid());
        numora::setProgramFolder(folder.path());
    }
    void TearDown() override
    {
        WindowsTest::TearDown();
        numora::setKeyStore(nullptr);
        numora::setShell(nullptr);
        numora::setProgramFolder({});
    }

    void writeAgreement(const QByteArray &rtf)
    {
        QFile file(QDir(folder.path()).filePath("NumoraUela.rtf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(rtf);
    }

    numora::MemoryKeyStore keys;
    numora::RecordingShell desktop;
    QTemporaryDir folder;
};
