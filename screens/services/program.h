#pragma once

namespace numora {

// Ending the program. Code after end() still runs: return from the handler right after it.
class Program
{
public:
    virtual ~Program() = default;
    virtual void end() = 0;
};

// Unloads every loaded window, newest first, and quits the application, also when called
// before the main event loop runs or from inside a nested one (a modal box).
class AppProgram : public Program
{
public:
    void end() override;
};

// Test double: counts the calls and ends nothing.
class RecordingProgram : public Program
{
public:
    void end() override { ++m_endCalls; }
    int endCalls() const { return m_endCalls; }

private:
    int m_endCalls = 0;
};

Program &program();
// nullptr restores AppProgram. The caller keeps ownership.
void setProgram(Program *program);

} // namespace numora
