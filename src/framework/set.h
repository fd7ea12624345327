#pragma once
// Sets of enumeration members, as the published set properties hold them: bit
// i stands for the member of ordinal i.

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E member : members) bits_ |= Bit(member);
  }

  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet set;
    set.bits_ = bits;
    return set;
  }
  constexpr std::uint64_t Bits() const { return bits_; }

  constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(E member) { bits_ |= Bit(member); }
  constexpr void Exclude(E member) { bits_ &= ~Bit(member); }

  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr std::uint64_t Bit(E member) { return std::uint64_t{1} << static_cast<unsigned>(member); }

  std::uint64_t bits_ = 0;
};
