#pragma once
// Builds .gdr bytes by hand as the file layout describes them: the codec is checked against the layout, not itself.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kinsketch::test {

class ByteBuilder {
public:
    ByteBuilder& u8(std::uint8_t v) { return raw(v); }
    ByteBuilder& i16(std::int16_t v) { return raw(v); }
    ByteBuilder& i32(std::int32_t v) { return raw(v); }
    ByteBuilder& zeros(std::size_t n) { return repeat(n, {0}); }
    ByteBuilder& text(const std::string& shiftJis)
    {
        raw(static_cast<std::uint16_t>(shiftJis.size()));
        return repeat(1, {shiftJis.begin(), shiftJis.end()});
    }
    ByteBuilder& repeat(std::size_t times, const std::vector<std::uint8_t>& pattern)
    {
        for (std::size_t i = 0; i < times; ++i) bytes.insert(bytes.end(), pattern.begin(), pattern.end());
        return *this;
    }
    std::vector<std::uint8_t> bytes;

private:
    template <class T>
    ByteBuilder& raw(T v)
    {
        const auto at = bytes.size();
        bytes.resize(at + sizeof v);
        std::memcpy(bytes.data() + at, &v, sizeof v);
        return *this;
    }
};

// An empty TextLabelRecord: two empty texts and 32 zero bytes of numbers.
inline constexpr std::size_t kEmptyTextLabelSize = 36;

} // namespace kinsketch::test
