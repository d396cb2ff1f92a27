#include "gdr_conversion.h"

#include <algorithm>

namespace kinsketch {
namespace {

// The old lattice's last five bottom segments each span two segments of the
// current one.
constexpr int kFirstSplitSegment = 56;

} // namespace

void makeNewDocument(GdrRecord& record)
{
    record.IsNew = kTrue;
    record.SymbolKey.fill("i000");
    record.FreeLine = {true, 1, {FreeLineRecord{}}};
}

void convertPre202(const GdrRecord& old, GdrRecord& target)
{
    const std::string screenMode = target.ScreenMode;
    const std::string version = target.Version;
    target = old;
    target.ScreenMode = screenMode;
    target.Version = version;
    target.FreeLine = {true, 1, {FreeLineRecord{}}};
}

void convertRows18(const Rows18Record& old, GdrRecord& target)
{
    std::copy(old.SymbolKey.begin(), old.SymbolKey.end(), target.SymbolKey.begin());
    std::copy(old.AgeText.begin(), old.AgeText.end(), target.AgeText.begin());
    std::copy(old.RelText.begin(), old.RelText.end(), target.RelText.begin());
    std::copy(old.LineTag.begin(), old.LineTag.end(), target.LineTag.begin());
    target.TextLabel = old.TextLabel;
    target.AddLine = old.AddLine;
    target.WakuPoint = old.WakuPoint;
    target.WakuDots = old.WakuDots;
    target.CohabitSeg.fill(0);
    for (int s = 0; s < kRows18CohabitSegCount; ++s) {
        if (old.CohabitSeg[static_cast<std::size_t>(s)] != 1) continue;
        if (s < kFirstSplitSegment) {
            target.CohabitSeg[static_cast<std::size_t>(s)] = 1;
        } else {
            const auto first = static_cast<std::size_t>(kFirstSplitSegment + 2 * (s - kFirstSplitSegment));
            target.CohabitSeg[first] = 1;
            target.CohabitSeg[first + 1] = 1;
        }
    }
    target.DocWakuMode = old.DocWakuMode;
    target.IsNew = old.IsNew;
}

std::int32_t loadedFreeLineCount(const GdrRecord& record)
{
    if (!record.FreeLine.dimensioned || record.FreeLine.items().empty()) return 0;
    const std::int32_t upper = record.FreeLine.upperBound();
    if (upper == 1 && record.FreeLine[upper].BorderWidth == 0) return 0;
    return std::max(upper, 0);
}

} // namespace kinsketch
