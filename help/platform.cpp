#include "help/platform.h"

#include "screens/services/service.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

namespace numora {

namespace {

#ifdef _WIN32
using SystemKeyStore = RegistryKeyStore;
#else
using SystemKeyStore = MemoryKeyStore; // no registry: every key is missing
#endif
Service<KeyStore, SystemKeyStore> g_keyStore;
Service<Shell, SystemShell> g_shell;

// Closes the store's key when GetKeyValue returns, whichever way it does.
class KeyCloser
{
public:
    explicit KeyCloser(KeyStore &store) : m_store(store) {}
    ~KeyCloser() { m_store.close(); }
    KeyCloser(const KeyCloser &) = delete;
    KeyCloser &operator=(const KeyCloser &) = delete;

private:
    KeyStore &m_store;
};

} // namespace

KeyStore &keyStore()
{
    return g_keyStore.get();
}

void setKeyStore(KeyStore *store)
{
    g_keyStore.install(store);
}

bool GetKeyValue(KeyRootHandle KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                 QString &KeyVal)
{
    KeyStore &store = keyStore();
    KeyCloser closer(store);

    if (!store.open(KeyRoot, KeyName)) {
        KeyVal.clear();
        return false;
    }
    const KeyValueRead read = store.query(SubKeyRef);
    // A value larger than the buffer cannot be read into it.
    if (!read.ok || read.size > std::uint32_t(kKeyValueBufferSize)) {
        KeyVal.clear();
        return false;
    }

    QByteArray buffer(kKeyValueBufferSize, '\0');
    std::copy_n(read.bytes.constData(), std::min<qsizetype>(read.bytes.size(), kKeyValueBufferSize),
                buffer.data());
    const int n = int(read.size);
    // A string stored with its terminating NUL and one stored without it give the same text.
    const QByteArray value = buffer.left(n > 0 && buffer.at(n - 1) == '\0' ? n - 1 : n);

    if (read.type == kRegSz) {
        KeyVal = QString::fromLocal8Bit(value);
    } else if (read.type == kRegDword) {
        QString hex = QStringLiteral("&h");
        for (qsizetype i = value.size() - 1; i >= 0; --i)
            hex += QString::number(static_cast<unsigned char>(value.at(i)), 16).toUpper();
        KeyVal = hex;
    }
    return true;
}

QString MemoryKeyStore::keyId(KeyRootHandle root, const QString &keyPath)
{
    return QString::number(root, 16) + QLatin1Char(':') + keyPath.toLower();
}

void MemoryKeyStore::addKey(KeyRootHandle root, const QString &keyPath)
{
    m_keys[keyId(root, keyPath)];
}

void MemoryKeyStore::setValue(KeyRootHandle root, const QString &keyPath, const QString &valueName,
                              const KeyValueRead &value)
{
    m_keys[keyId(root, keyPath)][valueName.toLower()] = value;
}

void MemoryKeyStore::setString(KeyRootHandle root, const QString &keyPath,
                               const QString &valueName, const QString &text, bool withNul)
{
    QByteArray bytes = text.toLocal8Bit();
    if (withNul)
        bytes.append('\0');
    setValue(root, keyPath, valueName, {true, kRegSz, bytes, std::uint32_t(bytes.size())});
}

void MemoryKeyStore::setNumber(KeyRootHandle root, const QString &keyPath,
                               const QString &valueName, std::uint32_t number)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((number >> (8 * i)) & 0xFF));
    setValue(root, keyPath, valueName, {true, kRegDword, bytes, 4});
}

bool MemoryKeyStore::open(KeyRootHandle root, const QString &keyPath)
{
    ++m_opens;
    const QString id = keyId(root, keyPath);
    if (!m_keys.contains(id))
        return false;
    m_open = id;
    return true;
}

KeyValueRead MemoryKeyStore::query(const QString &valueName)
{
    if (m_open.isEmpty())
        return {};
    return m_keys.value(m_open).value(valueName.toLower());
}

void MemoryKeyStore::close()
{
    ++m_closes;
    m_open.clear();
}

Shell &shell()
{
    return g_shell.get();
}

void setShell(Shell *shell)
{
    g_shell.install(shell);
}

bool SystemShell::startProgram(const QString &path, const QStringList &arguments)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, arguments);
}

QString SystemShell::findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool SystemShell::openAddress(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}

bool SystemShell::fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool RecordingShell::startProgram(const QString &path, const QStringList &arguments)
{
    m_started.append((QStringList{path} + arguments).join(QLatin1Char(' ')));
    return !m_startFails && !path.isEmpty();
}

QString RecordingShell::findProgram(const QString &name)
{
    return m_programs.value(name);
}

bool RecordingShell::openAddress(const QUrl &address)
{
    m_opened.append(address);
    return true;
}

bool RecordingShell::fileExists(const QString &path)
{
    return m_files.contains(path);
}

bool startDesktopSysInfo(const QList<SysInfoProgram> &programs)
{
    const QStringList running = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                                    .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    auto belongsToRunning = [&](const SysInfoProgram &program) {
        return std::any_of(program.desktops.begin(), program.desktops.end(),
                           [&](const QString &desktop) {
                               return running.contains(desktop, Qt::CaseInsensitive);
                           });
    };
    QList<SysInfoProgram> ordered;
    std::copy_if(programs.begin(), programs.end(), std::back_inserter(ordered), belongsToRunning);
    std::copy_if(programs.begin(), programs.end(), std::back_inserter(ordered),
                 [&](const SysInfoProgram &program) { return !belongsToRunning(program); });

    for (const SysInfoProgram &program : ordered) {
        const QString path = shell().findProgram(program.name);
        if (!path.isEmpty() && shell().startProgram(path, program.arguments))
            return true;
    }
    return false;
}

} // namespace numora
