#include "help/platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#ifdef _MSC_VER
#pragma comment(lib, "advapi32")
#endif

#include <algorithm>

namespace numora {

namespace {

HKEY rootKey(KeyRootHandle root)
{
    // As windows.h defines the predefined roots: the 32-bit value, sign-extended.
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

} // namespace

QList<SysInfoProgram> desktopSysInfoPrograms()
{
    return {};
}

RegistryKeyStore::~RegistryKeyStore()
{
    close();
}

bool RegistryKeyStore::open(KeyRootHandle root, const QString &keyPath)
{
    close();
    HKEY key = nullptr;
    // Read access only: full access is refused to every user without administrator rights.
    const LONG status = RegOpenKeyExA(rootKey(root), keyPath.toLocal8Bit().constData(), 0,
                                      KEY_READ, &key);
    if (status != ERROR_SUCCESS)
        return false;
    m_key = key;
    return true;
}

KeyValueRead RegistryKeyStore::query(const QString &valueName)
{
    if (!m_key)
        return {};
    QByteArray buffer(kKeyValueBufferSize, '\0');
    DWORD type = 0;
    DWORD size = DWORD(buffer.size());
    const LONG status = RegQueryValueExA(static_cast<HKEY>(m_key),
                                         valueName.toLocal8Bit().constData(), nullptr, &type,
                                         reinterpret_cast<BYTE *>(buffer.data()), &size);
    if (status != ERROR_SUCCESS)
        return {};
    buffer.truncate(std::min<qsizetype>(size, buffer.size()));
    return {true, std::uint32_t(type), buffer, std::uint32_t(size)};
}

void RegistryKeyStore::close()
{
    if (m_key)
        RegCloseKey(static_cast<HKEY>(m_key));
    m_key = nullptr;
}

} // namespace numora
