#pragma once
// A call that tests may replace: the clock, the message boxes, the save and print dialogs.
// It runs the program's own function unless a replacement is installed; installing hands
// back the one it replaces, so that a test puts it back when it is done.

#include <functional>
#include <utility>

namespace Euro {

template<typename Signature>
class Seam;

template<typename R, typename... Args>
class Seam<R(Args...)>
{
public:
    using Function = std::function<R(Args...)>;

    explicit Seam(R (*own)(Args...))
        : m_own(own)
    {}

    R operator()(Args... args) const
    {
        return m_installed ? m_installed(std::forward<Args>(args)...) : m_own(std::forward<Args>(args)...);
    }

    // Installs a replacement and returns the previous one; an empty one restores the program's own.
    Function install(Function replacement) { return std::exchange(m_installed, std::move(replacement)); }

private:
    R (*m_own)(Args...);
    Function m_installed;
};

} // namespace Euro
