#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace numora {

// An error that ends the operation in progress; the window shows `message` in an error box.
struct Error {
    QString message;
};

struct Done {};

// Result of an operation that can fail: a value or an Error, never both.
template <typename T>
class Expected {
public:
    Expected(T value) : m_data(std::move(value)) {}
    Expected(Error error) : m_data(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(m_data); }
    const T& value() const { return std::get<T>(m_data); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<Error>(m_data); }

private:
    std::variant<T, Error> m_data;
};

using Status = Expected<Done>;

} // namespace numora
