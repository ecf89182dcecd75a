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

// The document's text as the reader's own documentText gives it: paragraphs joined by '\n', a
// table's cells by '\t' and its rows by '\n', every other character as the document holds it.
inline QString plainText(const QTextDocument &doc) { return numora::rtf::documentText(doc); }

// The document position of needle's first appearance (needle lies within one paragraph).
inline int positionOf(const QTextDocument &doc, const QString &needle)
{
    const QTextCursor found = doc.find(needle, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << "no \"" << qPrintable(needle) << "\" in the document";
    return found.isNull() ? 0 : found.selectionStart();
}

// The character format of the first character of needle's first appearance.
inline QTextCharFormat formatAt(const QTextDocument &doc, const QString &needle)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(positionOf(doc, needle) + 1);
    return cursor.charFormat();
}

inline QTextBlockFormat blockAt(const QTextDocument &doc, const QString &needle)
{
    return doc.findBlock(positionOf(doc, needle)).blockFormat();
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
