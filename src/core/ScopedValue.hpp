// Sets a variable for the length of a scope and puts its earlier value back however the scope
// is left (return or exception). The guard flags are raised this way, so a flag can never stay
// raised after the bulk update it guards, and nested raises restore correctly.
#pragma once

#include "core/Numbers.hpp"

namespace core {

template <typename T>
class ScopedValue {
public:
    ScopedValue(T& variable, T value) : variable_(variable), saved_(variable) { variable_ = value; }
    ~ScopedValue() { variable_ = saved_; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& variable_;
    T saved_;
};

// A guard flag (true = -1) raised for the scope.
class RaisedFlag : public ScopedValue<VbBool> {
public:
    explicit RaisedFlag(VbBool& flag) : ScopedValue<VbBool>(flag, VbTrue) {}
};

}  // namespace core
