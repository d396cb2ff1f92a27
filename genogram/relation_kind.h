#pragma once
// The kinds the 関係線 tool draws: relationship lines from person to person,
// then marks placed at a click.

#include <array>
#include <cstdint>
#include <string_view>

namespace kinsketch {

enum class RelationKind : std::uint8_t {
    Close,
    Fused,
    Conflict,
    FusedConflict,
    Distant,
    CutOff,
    Twins,
    IdenticalTwins,
    Pregnancy,
    Miscarriage,
    Abortion,
    Stillbirth,
};
inline constexpr int kRelationKindCount = 12;

// What the tool's list and the printed legend call each kind, in the enum's order.
inline constexpr std::array<std::string_view, kRelationKindCount> kRelationKindNames = {
    "親密", "密着", "対立", "密着・対立", "疎遠", "断絶", "双子", "一卵性双子", "妊娠", "流産", "人工中絶", "死産",
};

// Marks stand where the mouse was pressed; lines go from the press to the release.
constexpr bool isRelationMark(RelationKind kind) { return kind >= RelationKind::Twins; }

} // namespace kinsketch
