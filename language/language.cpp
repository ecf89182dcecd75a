#include "language/language.h"

#include "engine/lottery.h"

namespace numora {

std::uint8_t &LangCode()
{
    return engine::state().langCode;
}

std::uint8_t langCodeWithDefault()
{
    if (LangCode() == NotChosen)
        LangCode() = English;
    return LangCode();
}

} // namespace numora
