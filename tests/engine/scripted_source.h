#pragma once

#include "engine/generator.h"

#include <deque>
#include <stdexcept>

// Hands out draws chosen by the test: each value r in 1..E becomes the uniform value that
// the generator turns into r.
class ScriptedSource final : public numora::engine::UniformSource
{
public:
    explicit ScriptedSource(int extRange) : m_extRange(extRange) {}
    void push(std::initializer_list<int> draws)
    {
        for (int r : draws)
            m_values.push_back((r - 0.5) / m_extRange);
    }
    void seed(std::uint32_t seed) override { seeds.push_back(seed); }
    double next() override
    {
        if (m_values.empty())
            throw std::runtime_error("the generator asked for more draws than scripted");
        const double v = m_values.front();
        m_values.pop_front();
        return v;
    }
    std::size_t left() const { return m_values.size(); }
    std::vector<std::uint32_t> seeds;

private:
    int m_extRange;
    std::deque<double> m_values;
};

class FixedClock final : public numora::engine::Clock
{
public:
    explicit FixedClock(long seconds) : m_seconds(seconds) {}
    long secondsSinceMidnight() override { return m_seconds; }

private:
    long m_seconds;
};
