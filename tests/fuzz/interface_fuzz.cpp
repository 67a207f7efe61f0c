// The interface for programs under libFuzzer: each input is read as a few
// braids (Tietze words over a strand count), a method, a limit and a stop
// request, and every call must either answer or raise one of the documented
// exceptions. The two exact methods must agree on every question both
// answer: signs in R and F, comparisons and equality. A failed agreement
// aborts, and libFuzzer keeps the input.
//
// Input layout, read byte by byte (missing bytes read as 0):
//   byte 0        strand count: 2 + b % 40, or, when b >= 240, 2 + b * 130
//                 (a wide braid, up to about 33,000 strands)
//   byte 1        bits 0-1: 0 no limit, else a limit of 4 * byte 2 letters;
//                 bit 2: a stop request that stops after byte 3 polls
//   bytes 4..     letters, two bytes each: an index 1 + (b0 | b1 << 8) % (n - 1)
//                 and a sign (bit 15); byte 0xFF 0xFF ends the first braid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "korvel/korvel.h"

namespace {

void agree(bool same) {
  if (!same) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto at = [&](std::size_t k) -> unsigned { return k < size ? data[k] : 0U; };
  const unsigned wide = at(0);
  const int strands = wide >= 240 ? std::min(2 + static_cast<int>(wide) * 130, korvel::MAX_STRANDS)
                                  : 2 + static_cast<int>(wide % 40);
  std::vector<std::int16_t> first;
  std::vector<std::int16_t> second;
  bool in_first = true;
  for (std::size_t k = 4; k + 1 < size && first.size() + second.size() < 4000; k += 2) {
    const unsigned v = at(k) | at(k + 1) << 8;
    if (v == 0xFFFF) {
      in_first = false;
      continue;
    }
    const auto index = static_cast<std::int16_t>(1 + (v & 0x7FFF) % static_cast<unsigned>(strands - 1));
    (in_first ? first : second).push_back((v & 0x8000) != 0 ? static_cast<std::int16_t>(-index) : index);
  }
  const korvel::Braid a(first, strands);
  const korvel::Braid b(second, strands);

  korvel::Limits limits;
  if ((at(1) & 3) != 0) {
    limits.max_length = 4 * static_cast<std::size_t>(at(2));
  }
  unsigned polls = 0;
  const unsigned stop_after = at(3);
  korvel::StopRequest stop([&polls, stop_after] { return ++polls > stop_after; });
  if ((at(1) & 4) != 0) {
    limits.stop = &stop;
  }

  try {
    for (korvel::Ordering o : {korvel::Ordering::R, korvel::Ordering::F}) {
      const int hs = korvel::sign(a, o, korvel::Method::Handles, limits);
      const int cs = korvel::sign(a, o, korvel::Method::Coordinates, limits);
      agree(hs == cs);
      const int hc = korvel::compare(a, b, o, korvel::Method::Handles, limits);
      const int cc = korvel::compare(a, b, o, korvel::Method::Coordinates, limits);
      agree(hc == cc);
    }
    agree(korvel::equal(a, b, korvel::Method::Handles, limits) ==
          korvel::equal(a, b, korvel::Method::Coordinates, limits));
    korvel::sign(b, korvel::Ordering::U, korvel::Method::Automatic, limits);
    if (strands <= 12 && a.length() <= 200) {
      const korvel::LeftNormalForm x = korvel::left_normal_form(a, limits);
      agree(korvel::equal(x.braid(), a, korvel::Method::Coordinates));
      const korvel::SymmetricNormalForm y = korvel::symmetric_normal_form(a, limits);
      agree(korvel::equal(y.braid(), a, korvel::Method::Coordinates));
    }
  } catch (const korvel::BoundExceeded&) {
  } catch (const korvel::Interrupted&) {
  }
  return 0;
}
