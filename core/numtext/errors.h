// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Error kinds. A command never catches: an error raised at the faulting step travels up to the
// event loop, which shows its message in the error box. Each kind carries the user-visible text
// and nothing else.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message), message_(message) {}
  // The whole message: what() ends at the first NUL byte, which a field text may hold.
  std::string message() const { return message_; }
  // The class name, as the command-line front end reports it ("EZeroDivide").
  virtual const char* className() const { return "Exception"; }

 private:
  std::string message_;
};

// A field text that is not a number.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  const char* className() const override { return "EConvertError"; }
};

// Faults of the floating-point unit rather than tests of the program.
class EExternal : public Exception {
 public:
  using Exception::Exception;
  const char* className() const override { return "EExternal"; }
};

class EMathError : public EExternal {
 public:
  using EExternal::EExternal;
  const char* className() const override { return "EMathError"; }
};

class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
  const char* className() const override { return "EInvalidOp"; }
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
  const char* className() const override { return "EZeroDivide"; }
};

class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
  const char* className() const override { return "EOverflow"; }
};

// Underflow is masked: results quietly become subnormal or zero. The kind exists for completeness.
class EUnderflow : public EMathError {
 public:
  EUnderflow() : EMathError("Floating point underflow") {}
  const char* className() const override { return "EUnderflow"; }
};

// The text the error box shows: the message, with a period appended when its last character
// sorts after "." (so "... value" becomes "... value." but "... !" stays as it is).
std::string ErrorBoxText(const std::string& message);
