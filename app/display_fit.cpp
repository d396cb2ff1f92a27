#include "app/display_fit.h"

#include "app/editing_screen_layout.h"

#include <algorithm>
#include <cmath>

namespace kinsketch {
namespace {

bool screenFits(CanvasSize size, DisplayScale scale, QSize room, const FrameMarginsAt& margins)
{
    const QSize extent = EditingScreenLayout(size, scale, margins(scale, true), margins(scale, false)).extent();
    return extent.width() <= room.width() && extent.height() <= room.height();
}

} // namespace

bool DisplaySizes::fits(int percent) const
{
    const auto at = std::ranges::find(DisplayScale::kPercents, percent) - DisplayScale::kPercents.begin();
    return at < std::ssize(fixedFits) && fixedFits[static_cast<std::size_t>(at)];
}

int DisplaySizes::choiceInForce() const { return fits(choice) ? choice : kAutomaticDisplaySize; }

int smallestAutomaticPercent(double devicePixelRatio)
{
    constexpr int kSmallestOnScreenPixels = 70;
    constexpr int step = DisplayScale::kPercentStep;
    const int percent =
        static_cast<int>(std::ceil(kSmallestOnScreenPixels / std::max(devicePixelRatio, 1.0) / step)) * step;
    return std::clamp(percent, DisplayScale::kSmallestPercent, kSmallestOnScreenPixels);
}

DisplaySizes fitDisplaySizes(int choice, CanvasSize size, QSize room, int smallest, const FrameMarginsAt& margins)
{
    DisplaySizes sizes;
    sizes.choice = choice;
    sizes.automatic = DisplayScale(smallest);
    for (int percent = DisplayScale::kLargestPercent; percent > smallest; percent -= DisplayScale::kPercentStep)
        if (screenFits(size, DisplayScale(percent), room, margins)) {
            sizes.automatic = DisplayScale(percent);
            break;
        }
    for (std::size_t i = 0; i < sizes.fixedFits.size(); ++i)
        sizes.fixedFits[i] = screenFits(size, DisplayScale(DisplayScale::kPercents[i]), room, margins);
    sizes.shown = sizes.fits(choice) ? DisplayScale(choice) : sizes.automatic;
    return sizes;
}

} // namespace kinsketch
