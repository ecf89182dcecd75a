#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace numora::rtf {

enum class ReadError {
    None,
    FileMissing,
    FileUnreadable,
    FileTooLarge,
    Empty,
    NotRtf,
    // The faults below are read past: the document shows everything around them.
    Unbalanced,
    TooDeep,
    BadPicture,
    TooLong,  // more paragraphs or formats than a document needs: the rest is left out
};

struct ReadResult {
    bool ok = true;           // false: nothing could be read and the document is left empty
    bool damaged = false;     // read, but part of the file was damaged; error tells what
    ReadError code = ReadError::None;
    QString error;            // the reason, in words for the user
    qsizetype position = -1;  // byte offset of the (first) fault, -1 when there is none
};

// Groups nested deeper than this are dropped with everything in them.
inline constexpr int maxGroupDepth = 128;
// Paragraphs past this many are left out.
inline constexpr int maxParagraphs = 1'000'000;
// readFile() refuses larger files.
inline constexpr qint64 maxFileSize = 64 * 1024 * 1024;

// Replaces doc's content with the RTF document in bytes. Pictures are added to doc as
// image resources named "rtfimage:N".
ReadResult read(const QByteArray &bytes, QTextDocument &doc);

// Reads the file at path; a missing, unreadable or damaged file is reported with its name.
ReadResult readFile(const QString &path, QTextDocument &doc);

// Puts `reason` as a note above a document that could be read only in part.
void addDamageNote(QTextDocument &doc, const QString &reason);

} // namespace numora::rtf
