#include "language/language.h"

#include "engine/lottery.h"

namespace numora {

namespace {

std::function<void(std::uint8_t)> &follower()
{
    static std::function<void(std::uint8_t)> f;
    return f;
}

} // namespace

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

void applyLanguage(std::uint8_t language)
{
    if (follower())
        follower()(language);
    LangCode() = language;
}

void setLanguageFollower(std::function<void(std::uint8_t)> f)
{
    follower() = std::move(f);
}

} // namespace numora
