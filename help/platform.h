#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <cstdint>

namespace numora {

// A registry root, as the 32-bit handle Windows gives it.
using KeyRootHandle = std::uint32_t;
inline constexpr KeyRootHandle kHKeyLocalMachine = 0x80000002u;

// Value types of the registry that GetKeyValue turns into text.
inline constexpr std::uint32_t kRegSz = 1;    // a string
inline constexpr std::uint32_t kRegDword = 4; // a 32-bit number, least significant byte first

// The buffer GetKeyValue reads a value into, in characters.
inline constexpr int kKeyValueBufferSize = 1024;

struct KeyValueRead
{
    bool ok = false;        // false: the value is missing or could not be read
    std::uint32_t type = 0;
    QByteArray bytes;       // the stored bytes, a string's terminating NUL included if stored
    std::uint32_t size = 0; // the size the store reports, in bytes

    bool operator==(const KeyValueRead &) const = default;
};

// Registry-style key values: one key open at a time.
class KeyStore
{
public:
    virtual ~KeyStore() = default;
    // Opens keyPath under root for reading; false when it is missing or may not be read.
    virtual bool open(KeyRootHandle root, const QString &keyPath) = 0;
    // Reads a value of the open key.
    virtual KeyValueRead query(const QString &valueName) = 0;
    // Closes the open key; does nothing when none is open.
    virtual void close() = 0;
};

#ifdef _WIN32
// The Windows registry, opened with read access only.
class RegistryKeyStore : public KeyStore
{
public:
    ~RegistryKeyStore() override;
    bool open(KeyRootHandle root, const QString &keyPath) override;
    KeyValueRead query(const QString &valueName) override;
    void close() override;

private:
    void *m_key = nullptr;
};
#endif

// Keys and values held in memory, every call counted: empty, the store of a system without a
// registry; filled, a test's.
//   MemoryKeyStore store;
//   store.setString(kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\x.exe");
//   setKeyStore(&store);
class MemoryKeyStore : public KeyStore
{
public:
    void addKey(KeyRootHandle root, const QString &keyPath);
    void setValue(KeyRootHandle root, const QString &keyPath, const QString &valueName,
                  const KeyValueRead &value);
    // A string value as Windows stores it: ANSI bytes, with or without the terminating NUL.
    void setString(KeyRootHandle root, const QString &keyPath, const QString &valueName,
                   const QString &text, bool withNul = true);
    void setNumber(KeyRootHandle root, const QString &keyPath, const QString &valueName,
                   std::uint32_t number);

    bool open(KeyRootHandle root, const QString &keyPath) override;
    KeyValueRead query(const QString &valueName) override;
    void close() override;

    int opens() const { return m_opens; }
    int closes() const { return m_closes; }
    bool isOpen() const { return !m_open.isEmpty(); }

private:
    static QString keyId(KeyRootHandle root, const QString &keyPath);

    QMap<QString, QMap<QString, KeyValueRead>> m_keys; // by lower-case key and value names
    QString m_open;
    int m_opens = 0;
    int m_closes = 0;
};

// The program's key store: the registry on Windows; elsewhere a store without keys, as a
// system without a registry has none. A test may install its own.
KeyStore &keyStore();
// nullptr restores the real store. The caller keeps ownership.
void setKeyStore(KeyStore *store);

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal: a string as its text,
// a 32-bit number as "&h" and its bytes in hexadecimal, most significant first, each without
// leading zeros; another type leaves KeyVal as it was. True when a value was read; a missing
// key or value, or a failed read, gives false and an empty KeyVal. The key is always closed.
bool GetKeyValue(KeyRootHandle KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                 QString &KeyVal);

// What the program asks of the desktop's shell.
class Shell
{
public:
    virtual ~Shell() = default;
    // Starts the program at `path` with `arguments` as a process of its own, and returns at
    // once; false when it could not be started.
    virtual bool startProgram(const QString &path, const QStringList &arguments) = 0;
    // The full path of the program `name` on the PATH; empty when it is not there.
    virtual QString findProgram(const QString &name) = 0;
    // Opens an address in the desktop's browser; false when no program took it.
    virtual bool openAddress(const QUrl &address) = 0;
    virtual bool fileExists(const QString &path) = 0;
};

class SystemShell : public Shell
{
public:
    bool startProgram(const QString &path, const QStringList &arguments) override;
    QString findProgram(const QString &name) override;
    bool openAddress(const QUrl &address) override;
    bool fileExists(const QString &path) override;
};

// Test double: records the programs started and the addresses opened; nothing runs.
class RecordingShell : public Shell
{
public:
    bool startProgram(const QString &path, const QStringList &arguments) override;
    QString findProgram(const QString &name) override;
    bool openAddress(const QUrl &address) override;
    bool fileExists(const QString &path) override;

    void addFile(const QString &path) { m_files.insert(path); }
    // Puts the program `name` on the PATH at `path`.
    void addProgram(const QString &name, const QString &path) { m_programs.insert(name, path); }
    void setStartFails(bool fails) { m_startFails = fails; }

    // Every start asked for, also those that failed: the path, then its arguments, if any,
    // each after a blank.
    const QStringList &started() const { return m_started; }
    const QList<QUrl> &opened() const { return m_opened; }

private:
    QSet<QString> m_files;
    QMap<QString, QString> m_programs;
    bool m_startFails = false;
    QStringList m_started;
    QList<QUrl> m_opened;
};

Shell &shell();
// nullptr restores SystemShell. The caller keeps ownership.
void setShell(Shell *shell);

// A desktop's own system information program, with the arguments that open its page about
// the system.
struct SysInfoProgram
{
    QString name;            // looked for on the PATH
    QStringList arguments;
    QStringList desktops;    // the XDG_CURRENT_DESKTOP names of the desktop it belongs to
};

// The system information programs of the Linux desktops, in the order they are tried:
// gnome-control-center info-overview (GNOME's About page), kinfocenter (KDE Plasma),
// xfce4-about (Xfce), mate-system-monitor --show-system-tab (MATE), hardinfo (any desktop).
// Empty on Windows, whose System Information the registry names.
QList<SysInfoProgram> desktopSysInfoPrograms();

// Starts the first of `programs` that the shell finds on the PATH and can start, those of the
// running desktop (XDG_CURRENT_DESKTOP, a colon-separated list) before the others; false when
// none is found or none starts.
bool startDesktopSysInfo(const QList<SysInfoProgram> &programs = desktopSysInfoPrograms());

} // namespace numora
