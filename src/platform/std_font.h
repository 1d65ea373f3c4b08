#pragma once
// The font object: what a window draws its text in.
#include <cstdint>
#include <string>

#include "platform/fixed_number.h"

namespace morvane {

inline constexpr std::int32_t kNormalWeight = 400;
inline constexpr std::int32_t kBoldWeight = 700;
inline constexpr std::int32_t kAnsiCharset = 0;

class StdFont {
public:
    std::wstring Name;
    SettingsNumber Size;  // points, may have a fraction
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    std::int32_t Weight = kNormalWeight;
    std::int32_t Charset = 0;

    bool Bold() const { return bold_; }
    // Setting Bold also sets Weight: bold or normal.
    void SetBold(bool bold) {
        bold_ = bold;
        Weight = bold ? kBoldWeight : kNormalWeight;
    }

private:
    bool bold_ = false;
};

} // namespace morvane
