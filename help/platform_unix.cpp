#include "help/platform.h"

#include <QStandardPaths>

namespace numora {

namespace {

const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kPathValue = QStringLiteral("PATH");

} // namespace

SysInfoKeyStore::SysInfoKeyStore(QStringList programs, QStringList searchPaths)
    : m_programs(std::move(programs))
    , m_searchPaths(std::move(searchPaths))
{
}

QStringList SysInfoKeyStore::defaultPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("lshw-gtk")};
}

bool SysInfoKeyStore::open(KeyRootHandle root, const QString &keyPath)
{
    m_program.clear();
    if (root != kHKeyLocalMachine || keyPath.compare(kSysInfoKey, Qt::CaseInsensitive) != 0)
        return false;
    // Looked up at every opening: a program installed while Numora runs is found.
    for (const QString &name : m_programs) {
        const QString found = QStandardPaths::findExecutable(name, m_searchPaths);
        if (!found.isEmpty()) {
            m_program = found;
            return true;
        }
    }
    return false;
}

KeyValueRead SysInfoKeyStore::query(const QString &valueName)
{
    if (m_program.isEmpty() || valueName.compare(kPathValue, Qt::CaseInsensitive) != 0)
        return {};
    QByteArray bytes = m_program.toLocal8Bit();
    bytes.append('\0');
    return {true, kRegSz, bytes, std::uint32_t(bytes.size())};
}

void SysInfoKeyStore::close()
{
    m_program.clear();
}

} // namespace numora
