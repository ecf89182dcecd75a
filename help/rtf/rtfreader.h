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
// Paragraphs (a table cell counts as one) past this many are left out.
inline constexpr int maxParagraphs = 1'000'000;
// Text formats past this many different ones are left out.
inline constexpr qsizetype maxFormats = 100'000;
// Cells of a row past this many are shown in the row's last cell.
inline constexpr int maxTableColumns = 64;
// readFile() refuses larger files.
inline constexpr qint64 maxFileSize = 64 * 1024 * 1024;

// How much of a document is read before the rest is left out as TooLong.
struct Limits {
    int paragraphs = maxParagraphs;
    qsizetype formats = maxFormats;
};

// Replaces doc's content with the RTF document in bytes. Pictures are added to doc as
// image resources named "rtfimage:N"; tables become QTextTables.
ReadResult read(const QByteArray &bytes, QTextDocument &doc);
ReadResult read(const QByteArray &bytes, QTextDocument &doc, const Limits &limits);

// Reads the file at path; a missing, unreadable or damaged file is reported with its name.
ReadResult readFile(const QString &path, QTextDocument &doc);

// The document's text: one line per paragraph; in a table, cells separated by tabs and rows
// by new lines. Other characters stay as the document holds them (pictures as U+FFFC).
QString documentText(const QTextDocument &doc);

// Puts `reason` as a note above a document that could be read only in part.
void addDamageNote(QTextDocument &doc, const QString &reason);

} // namespace numora::rtf
