#include "help/about.h"
#include "help/platform.h"
#include "screens/services/messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

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
#ifndef _WIN32
        {"no registry: the desktop's own program",
         [](MemoryKeyStore &, RecordingShell &d) { d.addProgram("hardinfo", "/usr/bin/hardinfo"); },
         {"/usr/bin/hardinfo"}, false},
        {"the registry's program before the desktop's",
         [](MemoryKeyStore &s, RecordingShell &d) {
             s.setString(kHKeyLocalMachine, kMsInfo, "PATH", "/opt/info");
             d.addProgram("hardinfo", "/usr/bin/hardinfo"); },
         {"/opt/info"}, false},
#endif
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

#ifndef _WIN32
// Stand-ins for the desktops' programs on a PATH of their own: each one that runs writes its
// name and arguments to a file. System Information is started through the real shell.
class DesktopSysInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bin.isValid());
        ASSERT_TRUE(work.isValid());
        savedPath = qgetenv("PATH");
        savedDesktop = qgetenv("XDG_CURRENT_DESKTOP");
        qputenv("PATH", QFile::encodeName(bin.path()));
        setMessages(&boxes);
    }
    void TearDown() override
    {
        qputenv("PATH", savedPath);
        qputenv("XDG_CURRENT_DESKTOP", savedDesktop);
        setMessages(nullptr);
    }

    // A stand-in that records its start; `startable` false gives it an interpreter that is
    // not there, so it is found on the PATH but cannot start.
    void install(const QString &name, bool startable = true)
    {
        QFile file(QDir(bin.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(startable ? "#!/bin/sh\n" : "#!/nonexistent/sh\n");
        file.write("printf '%s\\n' \"${0##*/} $*\" >> '" + QFile::encodeName(startsFile()) + "'\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString startsFile() const { return QDir(work.path()).filePath("started"); }

    // The line the started stand-in wrote, waiting for it as it runs on its own.
    QString started() const
    {
        QFile file(startsFile());
        for (int i = 0; i < 500 && !file.exists(); ++i)
            QThread::msleep(10);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).trimmed();
    }

    QTemporaryDir bin;
    QTemporaryDir work;
    QByteArray savedPath;
    QByteArray savedDesktop;
    ScriptedMessages boxes;
};

TEST_F(DesktopSysInfoTest, StartsTheFirstDesktopProgramOnThePath)
{
    const struct
    {
        const char *name;
        QStringList installed;      // stand-ins that start
        QStringList broken;         // stand-ins that are found but cannot start
        const char *desktop;        // XDG_CURRENT_DESKTOP
        QString started;            // empty: none, and the message
    } cases[] = {
        {"none installed", {}, {}, "GNOME", {}},
        {"GNOME's About page", {"gnome-control-center"}, {}, "", "gnome-control-center info-overview"},
        {"KDE's Info Center", {"kinfocenter"}, {}, "", "kinfocenter"},
        {"About Xfce", {"xfce4-about"}, {}, "", "xfce4-about"},
        {"MATE's system tab", {"mate-system-monitor"}, {}, "", "mate-system-monitor --show-system-tab"},
        {"HardInfo", {"hardinfo"}, {}, "", "hardinfo"},
        {"the first of several", {"hardinfo", "xfce4-about", "kinfocenter", "gnome-control-center"}, {}, "", "gnome-control-center info-overview"},
        {"the running desktop's own first", {"hardinfo", "kinfocenter", "gnome-control-center"}, {}, "KDE", "kinfocenter"},
        {"desktop names are a list", {"hardinfo", "xfce4-about", "gnome-control-center"}, {}, "X-Generic:xfce", "xfce4-about"},
        {"another desktop's program on its own", {"kinfocenter"}, {}, "GNOME", "kinfocenter"},
        {"one that cannot start, the next starts", {"hardinfo"}, {"gnome-control-center"}, "GNOME", "hardinfo"},
        {"none that can start", {}, {"kinfocenter", "hardinfo"}, "", {}},
        {"a program not in the list", {"gnome-system-monitor"}, {}, "GNOME", {}},
    };
    const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &entry : QDir(bin.path()).entryList(QDir::Files))
            QFile::remove(QDir(bin.path()).filePath(entry));
        QFile::remove(startsFile());
        for (const QString &name : c.installed)
            install(name);
        for (const QString &name : c.broken)
            install(name, false);
        qputenv("XDG_CURRENT_DESKTOP", c.desktop);
        ScriptedMessages shown;
        setMessages(&shown);

        StartSysInfo();

        if (c.started.isEmpty()) {
            EXPECT_EQ(shown.texts(), QStringList{unavailable});
            EXPECT_FALSE(QFile::exists(startsFile()));
        } else {
            EXPECT_EQ(shown.texts(), QStringList{});
            EXPECT_EQ(started(), c.started);
        }
    }
}
#endif

TEST(SystemShellTest, ReportsAProgramThatCannotStart)
{
    QTemporaryDir dir;
    SystemShell system;
    EXPECT_FALSE(system.startProgram(QDir(dir.path()).filePath("no-such-program"), {}));
    EXPECT_FALSE(system.startProgram(QString(), {}));
    EXPECT_FALSE(system.fileExists(dir.path())); // a folder is not a program file
    EXPECT_FALSE(system.fileExists(QString()));
}
