#include "help/about.h"
#include "help/platform.h"
#include "screens/services/messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace numora;

namespace {

const QString kMsInfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocation = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kKey = QStringLiteral("SOFTWARE\\Numora\\Test");

class PlatformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setKeyStore(&store);
        setShell(&desk);
        setMessages(&boxes);
    }
    void TearDown() override
    {
        setKeyStore(nullptr);
        setShell(nullptr);
        setMessages(nullptr);
    }

    MemoryKeyStore store;
    RecordingShell desk;
    ScriptedMessages boxes;
};

} // namespace

TEST_F(PlatformTest, GetKeyValueReadsStringsAndNumbersAndAlwaysClosesTheKey)
{
    const QString path = QStringLiteral("C:\\Program Files\\Common Files\\msinfo32.exe");
    const struct
    {
        const char *name;
        std::function<void(MemoryKeyStore &)> setUp;
        bool result;
        QString keyVal;
    } cases[] = {
        {"string with its NUL", [&](MemoryKeyStore &s) { s.setString(kHKeyLocalMachine, kKey, "PATH", path, true); }, true, path},
        {"string without its NUL", [&](MemoryKeyStore &s) { s.setString(kHKeyLocalMachine, kKey, "PATH", path, false); }, true, path},
        {"empty string", [](MemoryKeyStore &s) { s.setString(kHKeyLocalMachine, kKey, "PATH", {}, true); }, true, ""},
        {"names in another case", [&](MemoryKeyStore &s) { s.setString(kHKeyLocalMachine, kKey.toUpper(), "path", path); }, true, path},
        {"number, every byte set", [](MemoryKeyStore &s) { s.setNumber(kHKeyLocalMachine, kKey, "PATH", 0x12345678); }, true, "&h12345678"},
        {"number, bytes without leading zeros", [](MemoryKeyStore &s) { s.setNumber(kHKeyLocalMachine, kKey, "PATH", 0x01000A0B); }, true, "&h10AB"},
        // The NUL trimming takes a zero most significant byte too.
        {"number below 2^24", [](MemoryKeyStore &s) { s.setNumber(kHKeyLocalMachine, kKey, "PATH", 0x000A0B0C); }, true, "&hABC"},
        {"other type keeps KeyVal", [](MemoryKeyStore &s) { s.setValue(kHKeyLocalMachine, kKey, "PATH", {true, 3, "\x01\x02", 2}); }, true, "before"},
        {"missing key", [](MemoryKeyStore &s) { s.setString(kHKeyLocalMachine, "SOFTWARE\\Other", "PATH", "x"); }, false, ""},
        {"key under another root", [](MemoryKeyStore &s) { s.setString(0x80000001u, kKey, "PATH", "x"); }, false, ""},
        {"missing value", [](MemoryKeyStore &s) { s.setString(kHKeyLocalMachine, kKey, "MSINFO", "x"); }, false, ""},
        {"failing read", [](MemoryKeyStore &s) { s.setValue(kHKeyLocalMachine, kKey, "PATH", {false, kRegSz, "x", 1}); }, false, ""},
        {"larger than the buffer", [](MemoryKeyStore &s) {
             s.setValue(kHKeyLocalMachine, kKey, "PATH", {true, kRegSz, QByteArray(1025, 'a'), 1025}); }, false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        MemoryKeyStore fresh;
        c.setUp(fresh);
        setKeyStore(&fresh);
        QString keyVal = QStringLiteral("before");
        EXPECT_EQ(GetKeyValue(kHKeyLocalMachine, kKey, QStringLiteral("PATH"), keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
        EXPECT_EQ(fresh.opens(), 1);
        EXPECT_EQ(fresh.closes(), 1);
        EXPECT_FALSE(fresh.isOpen());
    }
}

TEST_F(PlatformTest, StartSysInfo)
{
    const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
    const struct
    {
        const char *name;
        std::function<void(MemoryKeyStore &, RecordingShell &)> setUp;
        QStringList started;
        bool message;
    } cases[] = {
        {"PATH found: started unchanged, not looked for",
         [](MemoryKeyStore &s, RecordingShell &) { s.setString(kHKeyLocalMachine, kMsInfo, "PATH", "C:\\Tools\\my info.exe"); },
         {"C:\\Tools\\my info.exe"}, false},
        {"PATH found but the start fails",
         [](MemoryKeyStore &s, RecordingShell &d) { s.setString(kHKeyLocalMachine, kMsInfo, "PATH", "C:\\gone.exe"); d.setStartFails(true); },
         {"C:\\gone.exe"}, true},
        {"only MSINFO, the program is there",
         [](MemoryKeyStore &s, RecordingShell &d) {
             s.setString(kHKeyLocalMachine, kLocation, "MSINFO", "C:\\Common\\MSINFO", false);
             d.addFile("C:\\Common\\MSINFO\\MSINFO32.EXE"); },
         {"C:\\Common\\MSINFO\\MSINFO32.EXE"}, false},
        {"only MSINFO, no program in its folder",
         [](MemoryKeyStore &s, RecordingShell &) { s.setString(kHKeyLocalMachine, kLocation, "MSINFO", "C:\\Common\\MSINFO"); },
         {}, true},
        {"MSINFO key without the PATH value",
         [](MemoryKeyStore &s, RecordingShell &d) {
             s.addKey(kHKeyLocalMachine, kMsInfo);
             s.setString(kHKeyLocalMachine, kLocation, "MSINFO", "C:\\Common");
             d.addFile("C:\\Common\\MSINFO32.EXE"); },
         {"C:\\Common\\MSINFO32.EXE"}, false},
        {"nothing found", [](MemoryKeyStore &, RecordingShell &) {}, {}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        MemoryKeyStore keys;
        RecordingShell desktop;
        ScriptedMessages shown;
        c.setUp(keys, desktop);
        setKeyStore(&keys);
        setShell(&desktop);
        setMessages(&shown);

        StartSysInfo();

        EXPECT_EQ(desktop.started(), c.started);
        const QList<ShownMessage> expected = c.message
            ? QList<ShownMessage>{{unavailable, "Numora INET 1.6", MsgButtons::Ok, MsgIcon::None}}
            : QList<ShownMessage>{};
        EXPECT_EQ(shown.shown(), expected);
        EXPECT_FALSE(keys.isOpen());
        EXPECT_EQ(keys.opens(), keys.closes());
    }
}

TEST(SysInfoKeyStoreTest, AnswersThePathOfTheFirstProgramInstalled)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    auto install = [&](const QString &name) {
        QFile file(QDir(bin.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const QStringList programs = SysInfoKeyStore::defaultPrograms();
    SysInfoKeyStore store(programs, {bin.path()});
    setKeyStore(&store);
    QString keyVal;

    // None installed: the key is missing, as on a system without System Information.
    EXPECT_FALSE(GetKeyValue(kHKeyLocalMachine, kMsInfo, "PATH", keyVal));

    install(QStringLiteral("lshw-gtk"));
    install(QStringLiteral("kinfocenter"));
    EXPECT_TRUE(GetKeyValue(kHKeyLocalMachine, kMsInfo, "PATH", keyVal));
    EXPECT_EQ(keyVal, QDir(bin.path()).filePath("kinfocenter"));

    // Nothing else is answered.
    EXPECT_FALSE(GetKeyValue(kHKeyLocalMachine, kMsInfo, "MSINFO", keyVal));
    EXPECT_FALSE(GetKeyValue(kHKeyLocalMachine, kLocation, "MSINFO", keyVal));
    EXPECT_FALSE(GetKeyValue(0x80000001u, kMsInfo, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    setKeyStore(nullptr);
}

TEST(SystemShellTest, ReportsAProgramThatCannotStart)
{
    QTemporaryDir dir;
    SystemShell system;
    EXPECT_FALSE(system.startProgram(QDir(dir.path()).filePath("no-such-program")));
    EXPECT_FALSE(system.startProgram(QString()));
    EXPECT_FALSE(system.fileExists(dir.path())); // a folder is not a program file
    EXPECT_FALSE(system.fileExists(QString()));
}
