// libFuzzer entry: reads any bytes as a document.
#include "help/rtf/rtfreader.h"

#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument doc;
    numora::rtf::read(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), doc);
    return 0;
}
