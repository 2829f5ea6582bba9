// Every caller passes a 32-bit integer: the digits, the sign and the plain integer layout are what
// reach a file or a message.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "convert/number_text.h"

TEST(NumberToText, IntegersArePlainDecimalDigits) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},       {-0.0, "0"},         {500, "500"},
        {-1, "-1"},     {1000, "1000"},      {4294967295.0, "4294967295"},
        {-32768, "-32768"}, {-2147483648.0, "-2147483648"}, {123456789012345.0, "123456789012345"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(NumberToText(value), text) << "value " << value;
}
