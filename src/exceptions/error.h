// Errors of the system, as C++ values.
//
// `Result<T>` is what an operation returns when it can fail for a reason its caller decides
// about (a SAAL failure carrying the SAAL error text, for example). `Error` is a failure that
// is already destined for Python as a particular exception type; `InternalError` is a violated
// internal expectation. Both are thrown and converted at the binding boundary, so no C++
// exception ever reaches the interpreter.
#pragma once

#include <exception>
#include <string>
#include <utility>
#include <variant>

namespace vastorin {

enum class ErrorKind {
  Type,            // TypeError
  Value,           // ValueError
  Runtime,         // RuntimeError
  Key,             // KeyError
  Overflow,        // OverflowError
  Attribute,       // AttributeError
  NotImplemented,  // NotImplementedError
  SAAL,            // vastorin.exceptions.SAALError
};

class Error : public std::exception {
 public:
  Error(ErrorKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}
  ErrorKind kind() const noexcept { return kind_; }
  const std::string& message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  ErrorKind kind_;
  std::string message_;
};

class InternalError : public std::exception {
 public:
  explicit InternalError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// The text an operation failed with.
struct ErrorText {
  std::string text;
};

// A value of T, or the text of a failure.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(ErrorText error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const noexcept { return state_.index() == 0; }
  explicit operator bool() const noexcept { return ok(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const std::string& error() const { return std::get<1>(state_).text; }

  // The value, or throws the failure as an exception of the given kind.
  T value_or_raise(ErrorKind kind) && {
    if (!ok()) throw Error(kind, error());
    return std::get<0>(std::move(state_));
  }
  // The value, or throws the failure as an internal error.
  T value_or_internal() && {
    if (!ok()) throw InternalError(error());
    return std::get<0>(std::move(state_));
  }

 private:
  std::variant<T, ErrorText> state_;
};

// Success or the text of a failure, for operations without a value.
class Status {
 public:
  Status() = default;
  Status(ErrorText error) : error_(std::move(error.text)), failed_(true) {}

  bool ok() const noexcept { return !failed_; }
  explicit operator bool() const noexcept { return ok(); }
  const std::string& error() const noexcept { return error_; }

  void raise_if_failed(ErrorKind kind) const {
    if (failed_) throw Error(kind, error_);
  }
  void internal_if_failed() const {
    if (failed_) throw InternalError(error_);
  }

 private:
  std::string error_;
  bool failed_ = false;
};

}  // namespace vastorin
