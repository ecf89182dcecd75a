#pragma once

#include <QString>

namespace numora::rtf {

// The target of a field's HYPERLINK instruction: its address, with "#" and the bookmark of a
// \l switch after it; empty when the instruction is not a link.
//   hyperlinkTarget(R"(HYPERLINK "https://example.org" \o "tip")") == "https://example.org"
QString hyperlinkTarget(const QString &instruction);

} // namespace numora::rtf
