#pragma once

#include <cstdint>
#include <functional>

// The interface language: 0 not chosen yet, 1 English, 2 French, 3 German, 4 Italian, 5 Spanish.
namespace numora {

enum Language : std::uint8_t { NotChosen = 0, English = 1, French = 2, German = 3, Italian = 4, Spanish = 5 };

std::uint8_t &LangCode();

// The default rule of the readers that apply it: a language not chosen yet becomes English
// and is stored back. Returns the language in force.
std::uint8_t langCodeWithDefault();

// Makes `language` the interface language: first whatever follows the language takes it (the
// main window's captions), then LangCode holds it. The help window's flags call this.
void applyLanguage(std::uint8_t language);
// What follows the language: called by applyLanguage before LangCode changes. One follower; a
// later call replaces it, an empty function removes it.
void setLanguageFollower(std::function<void(std::uint8_t)> follower);

// Row index 0..4 of a five-language table for a language, or -1 outside 1..5.
inline int languageRow(std::uint8_t code) { return code >= 1 && code <= 5 ? code - 1 : -1; }

} // namespace numora
