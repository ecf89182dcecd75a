#pragma once

namespace numora {

// A process-wide service: the real implementation, made on first use, unless a test
// installed its own. The installer keeps ownership; nullptr restores the real one.
//   Messages &messages() { return g_messages.get(); }
template<class Interface, class Real>
class Service
{
public:
    Interface &get() { return m_installed ? *m_installed : real(); }
    void install(Interface *service) { m_installed = service; }

private:
    static Real &real()
    {
        static Real instance;
        return instance;
    }

    Interface *m_installed = nullptr;
};

} // namespace numora
