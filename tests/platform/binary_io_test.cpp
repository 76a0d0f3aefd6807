#include "platform/binary_io.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace vh {
namespace {

std::vector<std::byte> bytes(std::initializer_list<int> values) {
    std::vector<std::byte> out;
    for (const int value : values) {
        out.push_back(static_cast<std::byte>(value));
    }
    return out;
}

TEST(BinaryIo, WritesLittleEndianValuesAndWholeTextFieldsAndReadsThemBack) {
    BinaryWriter out;
    out.writeUInt8(0xAB);
    out.writeUInt16(0xF234);
    out.writeUInt32(0xDEADBEEF);
    out.writeInt32(std::numeric_limits<std::int32_t>::min());
    out.writeText("Hi", 5);
    EXPECT_EQ(out.bytes(),
              bytes({0xAB, 0x34, 0xF2, 0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0, 0x80, 'H', 'i', 0, 0, 0}));
    BinaryReader in(out.bytes());
    std::uint8_t a = 0;
    std::uint16_t b = 0;
    std::uint32_t c = 0;
    std::int32_t d = 0;
    std::string text;
    ASSERT_TRUE(in.readUInt8(a) && in.readUInt16(b) && in.readUInt32(c) && in.readInt32(d) &&
                in.readText(text, 5));
    EXPECT_EQ(std::tuple(a, b, c, d, text),
              std::tuple(0xAB, 0xF234, 0xDEADBEEF, std::numeric_limits<std::int32_t>::min(), "Hi"));
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_FALSE(in.failed());
}

TEST(BinaryWriter, CutsTextsToOneByteLessThanTheFieldAndAtANul) {
    const struct {
        std::string text;
        std::size_t field;
        std::string fitted;
        std::vector<std::byte> written;
    } cases[] = {
        {"abcd", 4, "abc", bytes({'a', 'b', 'c', 0})},
        {"abc", 4, "abc", bytes({'a', 'b', 'c', 0})},
        {std::string("a\0bc", 4), 4, "a", bytes({'a', 0, 0, 0})},
        {"abc", 1, "", bytes({0})},
        {"abc", 0, "", {}},
        {"\xe9t\xe9", 3, "\xe9t", bytes({0xE9, 't', 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.field));
        BinaryWriter out;
        out.writeText(c.text, c.field);
        EXPECT_EQ(out.bytes(), c.written);
        EXPECT_EQ(fitText(c.text, c.field), c.fitted);
    }
}

TEST(BinaryReader, AShortReadLeavesItsTargetAndFailsEveryLaterRead) {
    const auto data = bytes({1, 2, 3, 4, 5, 6});
    BinaryReader in(data);
    std::int32_t first = 0;
    ASSERT_TRUE(in.readInt32(first));
    EXPECT_EQ(first, 0x04030201);

    std::int32_t value = 99;
    EXPECT_FALSE(in.readInt32(value));
    EXPECT_EQ(value, 99);
    EXPECT_TRUE(in.failed());
    std::uint8_t small = 42;
    EXPECT_FALSE(in.readUInt8(small)) << "two bytes are left, but the reader has failed";
    EXPECT_EQ(small, 42);
    std::string text = "kept";
    EXPECT_FALSE(in.readText(text, 1));
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(in.skip(0));
}

TEST(BinaryReader, SkipAndSeekStayInsideTheBytes) {
    const auto data = bytes({1, 2, 3, 4});
    BinaryReader in(data);
    EXPECT_TRUE(in.skip(4));
    EXPECT_TRUE(in.seek(4));
    EXPECT_TRUE(in.seek(1));
    std::uint8_t value = 0;
    EXPECT_TRUE(in.readUInt8(value));
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(in.seek(5));
    EXPECT_TRUE(in.failed());

    BinaryReader huge(data);
    EXPECT_FALSE(huge.skip(std::numeric_limits<std::size_t>::max()));
    std::array<std::byte, 8> out{};
    BinaryReader shortRead(data);
    EXPECT_FALSE(shortRead.readBytes(out));
}

} // namespace
} // namespace vh
