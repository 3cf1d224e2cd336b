// Checked arithmetic for rule computations. Every operation on a Num tests
// its result as it happens: an overflow, a division by zero, an invalid
// operation (0/0, the square root of a negative number, the logarithm of zero
// or of a negative number, a negative base to a non-integer power) or an
// integer conversion out of range throws CalcFailure, which drops the line
// being produced. Underflow to zero or to a denormal is no failure.
#pragma once

#include <cmath>
#include <cstdint>
#include <exception>

namespace tamrisk {

class CalcFailure : public std::exception {
 public:
  const char* what() const noexcept override { return "calculation failed"; }
};

[[noreturn]] void FailCalculation();

class Num {
 public:
  // Implicit from double, so constants read naturally: c["V"] * 1000.
  constexpr Num(double v = 0) : v_(v) {}

  // The plain double, for formatting and for the few rules that must work in
  // single precision or with whole numbers.
  constexpr double raw() const { return v_; }

  friend Num operator+(Num a, Num b) { return Checked(a.v_ + b.v_); }
  friend Num operator-(Num a, Num b) { return Checked(a.v_ - b.v_); }
  friend Num operator*(Num a, Num b) { return Checked(a.v_ * b.v_); }
  friend Num operator/(Num a, Num b) {
    if (b.v_ == 0) FailCalculation();
    return Checked(a.v_ / b.v_);
  }
  Num operator-() const { return Num(-v_); }
  Num& operator+=(Num b) { return *this = *this + b; }
  Num& operator-=(Num b) { return *this = *this - b; }
  Num& operator*=(Num b) { return *this = *this * b; }
  Num& operator/=(Num b) { return *this = *this / b; }

  friend bool operator==(Num a, Num b) { return a.v_ == b.v_; }
  friend bool operator!=(Num a, Num b) { return a.v_ != b.v_; }
  friend bool operator<(Num a, Num b) { return a.v_ < b.v_; }
  friend bool operator>(Num a, Num b) { return a.v_ > b.v_; }
  friend bool operator<=(Num a, Num b) { return a.v_ <= b.v_; }
  friend bool operator>=(Num a, Num b) { return a.v_ >= b.v_; }

  static Num Checked(double r) {
    if (!std::isfinite(r)) FailCalculation();
    return Num(r);
  }

 private:
  double v_;
};

// Fails the line unless `holds`: for inputs the arithmetic accepts but that
// have no physical answer (a speed beyond the speed of sound, a percentage
// beyond 100).
inline void Require(bool holds) {
  if (!holds) FailCalculation();
}
// The value itself; fails the line when it is negative.
inline Num NotNegative(Num x) {
  Require(x >= 0);
  return x;
}

inline Num Sqr(Num x) {
  if (x.raw() < 0) FailCalculation();
  return Num::Checked(std::sqrt(x.raw()));
}
// Natural logarithm.
inline Num Log(Num x) {
  if (x.raw() <= 0) FailCalculation();
  return Num::Checked(std::log(x.raw()));
}
inline Num Exp(Num x) { return Num::Checked(std::exp(x.raw())); }
inline Num Abs(Num x) { return Num(std::fabs(x.raw())); }
// x^y; a negative base needs a whole exponent.
inline Num Pow(Num x, Num y) {
  if (x.raw() < 0 && std::trunc(y.raw()) != y.raw()) FailCalculation();
  if (x.raw() == 0 && y.raw() < 0) FailCalculation();
  return Num::Checked(std::pow(x.raw(), y.raw()));
}
// x^2, written as the product x*x (a power function may differ from the
// product in the last bit).
inline Num Sq(Num x) { return x * x; }
inline Num Floor(Num x) { return Num(std::floor(x.raw())); }
inline Num Atn(Num x) { return Num::Checked(std::atan(x.raw())); }
inline Num Sin(Num x) { return Num::Checked(std::sin(x.raw())); }
inline Num Cos(Num x) { return Num::Checked(std::cos(x.raw())); }
inline Num Tan(Num x) { return Num::Checked(std::tan(x.raw())); }

// Rounds to the nearest whole number, a half going to the even neighbour,
// and converts to a 32-bit integer; fails outside the 32-bit range.
std::int32_t RoundToInt32(Num x);
// The same, for a 64-bit integer.
std::int64_t RoundToInt64(Num x);

}  // namespace tamrisk
