// The hexadecimal figures of information processing: rounded half to even,
// within 32 bits. (The whole blocks are in cases/information.cases.)
#include <gtest/gtest.h>

#include "engine/checked.h"
#include "engine/rule_row.h"

namespace tamrisk::testing {
namespace {

TEST(InformationDomainTest, HexRoundsHalfToEvenWithin32Bits) {
  struct HexCase {
    double x;
    const char* text;
  };
  const HexCase cases[] = {{0, "0"},           {255.4, "FF"},          {2.5, "2"},
                           {3.5, "4"},         {-0.5, "0"},            {-1, "FFFFFFFF"},
                           {2147483647, "7FFFFFFF"}, {-2147483648.0, "80000000"}};
  for (const HexCase& c : cases) EXPECT_EQ(Hex(c.x), c.text) << c.x;
  EXPECT_THROW(Hex(2147483647.5), CalcFailure);
  EXPECT_THROW(Hex(-2147483649.0), CalcFailure);
}

}  // namespace
}  // namespace tamrisk::testing
