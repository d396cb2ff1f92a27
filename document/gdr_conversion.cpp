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
    record.isNew = kTrue;
    record.symbols.fill("i000");
    record.strokes = {true, 1, {FreeLineRecord{}}};
}

void convertPre202(const GdrRecord& old, GdrRecord& target)
{
    const std::string screenMode = target.screenMode;
    const std::string version = target.version;
    target = old;
    target.screenMode = screenMode;
    target.version = version;
    target.strokes = {true, 1, {FreeLineRecord{}}};
}

void convertRows18(const Rows18Record& old, GdrRecord& target)
{
    std::copy(old.symbols.begin(), old.symbols.end(), target.symbols.begin());
    std::copy(old.ages.begin(), old.ages.end(), target.ages.begin());
    std::copy(old.remarks.begin(), old.remarks.end(), target.remarks.begin());
    std::copy(old.lineStyles.begin(), old.lineStyles.end(), target.lineStyles.begin());
    target.texts = old.texts;
    target.addedLines = old.addedLines;
    target.framePoints = old.framePoints;
    target.frameDots = old.frameDots;
    target.frameSegments.fill(0);
    for (int s = 0; s < kRows18CohabitSegCount; ++s) {
        if (old.frameSegments[static_cast<std::size_t>(s)] != 1) continue;
        if (s < kFirstSplitSegment) {
            target.frameSegments[static_cast<std::size_t>(s)] = 1;
        } else {
            const auto first = static_cast<std::size_t>(kFirstSplitSegment + 2 * (s - kFirstSplitSegment));
            target.frameSegments[first] = 1;
            target.frameSegments[first + 1] = 1;
        }
    }
    target.frameMode = old.frameMode;
    target.isNew = old.isNew;
}

std::int32_t loadedFreeLineCount(const GdrRecord& record)
{
    if (!record.strokes.dimensioned || record.strokes.items().empty()) return 0;
    const std::int32_t upper = record.strokes.upperBound();
    if (upper == 1 && record.strokes[upper].width == 0) return 0;
    return std::max(upper, 0);
}

} // namespace kinsketch
