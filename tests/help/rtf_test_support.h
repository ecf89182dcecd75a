#pragma once

#include "help/rtf/rtfreader.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdlib>
#include <gtest/gtest.h>

namespace rtftest {

// The document's text, blocks joined by '\n', every other character as the document holds it.
inline QString plainText(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b != doc.end(); b = b.next())
        blocks.append(b.text());
    return blocks.join(u'\n');
}

// The character format of the first character of needle's first appearance.
inline QTextCharFormat formatAt(const QTextDocument &doc, const QString &needle)
{
    const qsizetype at = plainText(doc).indexOf(needle);
    EXPECT_GE(at, 0) << "no \"" << qPrintable(needle) << "\" in the document";
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(int(std::max<qsizetype>(at, 0)) + 1);
    return cursor.charFormat();
}

inline QTextBlockFormat blockAt(const QTextDocument &doc, const QString &needle)
{
    const qsizetype at = plainText(doc).indexOf(needle);
    EXPECT_GE(at, 0) << "no \"" << qPrintable(needle) << "\" in the document";
    return doc.findBlock(int(std::max<qsizetype>(at, 0))).blockFormat();
}

inline QByteArray encodedImage(const char *format, QSize size, QColor color = Qt::red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QString testData() { return QString::fromLocal8Bit(std::getenv("NUMORA_TEST_DATA")); }

inline QString fixture(const QString &name) { return testData() + "/rtf-fixtures/" + name; }

inline QByteArray readFixture(const QString &name)
{
    QFile file(fixture(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return file.readAll();
}

} // namespace rtftest
