#pragma once

#include "help/rtf/rtfreader.h"

#include <QString>

#include <cstdint>

class QTextDocument;
class QTextEdit;

namespace numora {

// What the help window and the agreement viewer say about a document file that could not be
// read whole: the file by its full path and the reason, in the interface language `language`
// (English for 0 or any value outside 1 to 5).
//   documentFault("/opt/numora/NumoraUela.rtf", result, LangCode())
//   // "The file "/opt/numora/NumoraUela.rtf" was not found."
QString documentFault(const QString &path, const rtf::ReadResult &result, std::uint8_t language);

// The note above a document read in part: the fault, and that the readable part follows.
QString damagedDocumentNote(const QString &path, const rtf::ReadResult &result,
                            std::uint8_t language);

// Shows `doc` in `box` and deletes the document the box showed before, which a text box does
// not do for a document it is not the parent of.
void replaceDocument(QTextEdit *box, QTextDocument *doc);

} // namespace numora
