#pragma once

#include <stdexcept>
#include <string>

// Faults that the program treats as bugs or refused input rather than values to
// carry on with: checked integer arithmetic, array bounds, unreadable texts.
// Each carries a short English description suitable for a one-line message.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OverflowError final : public RuntimeError {
public:
    OverflowError() : RuntimeError("Overflow") {}
};

class DivisionByZeroError final : public RuntimeError {
public:
    DivisionByZeroError() : RuntimeError("Division by zero") {}
};

class SubscriptError final : public RuntimeError {
public:
    explicit SubscriptError(long index)
        : RuntimeError("Subscript out of range: " + std::to_string(index)) {}
};

class TypeMismatchError final : public RuntimeError {
public:
    explicit TypeMismatchError(const std::string& what) : RuntimeError(what) {}
};

class FloatingPointError final : public RuntimeError {
public:
    FloatingPointError() : RuntimeError("Floating-point error") {}
};
