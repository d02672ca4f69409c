// A callable passed down a call without being copied or allocated: the DirectSound objects hand
// their changes and the text of their arguments through it, so that a call pays for formatting
// only when a trace or a record reads the text. It refers to the callable it was made from, which
// must outlive it: pass it as an argument, never keep it.
#pragma once

#include <type_traits>
#include <utility>

namespace platform::audio {

template <typename Signature> class FunctionRef;

template <typename Result, typename... Arguments> class FunctionRef<Result(Arguments...)> {
public:
    template <typename Callable>
    requires(!std::is_same_v<std::remove_cvref_t<Callable>, FunctionRef> &&
             std::is_invocable_r_v<Result, const Callable&, Arguments...>)
        FunctionRef(
            const Callable& callable) // NOLINT(google-explicit-constructor): a parameter type
        : callable_(&callable), call_([](const void* object, Arguments... arguments) -> Result {
              return (*static_cast<const Callable*>(object))(std::forward<Arguments>(arguments)...);
          }) {}

    Result operator()(Arguments... arguments) const {
        return call_(callable_, std::forward<Arguments>(arguments)...);
    }

private:
    const void* callable_;
    Result (*call_)(const void*, Arguments...);
};

} // namespace platform::audio
