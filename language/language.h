#pragma once

#include <cstdint>

// The interface language: 0 not chosen yet, 1 English, 2 French, 3 German, 4 Italian, 5 Spanish.
namespace numora {

enum Language : std::uint8_t { NotChosen = 0, English = 1, French = 2, German = 3, Italian = 4, Spanish = 5 };

std::uint8_t &LangCode();

// The default rule of the readers that apply it: a language not chosen yet becomes English
// and is stored back. Returns the language in force.
std::uint8_t langCodeWithDefault();

// Row index 0..4 of a five-language table for a language, or -1 outside 1..5.
inline int languageRow(std::uint8_t code) { return code >= 1 && code <= 5 ? code - 1 : -1; }

} // namespace numora
