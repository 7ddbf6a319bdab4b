// What an improvement click raises: a skill, or a weapon's attack or parry.
#pragma once

namespace orvandel {

enum class ImprovementKind { Skill, Attack, Parry };

struct ImprovementTarget {
  ImprovementKind kind;
  int index;  // a skill slot or a weapon row

  bool operator==(const ImprovementTarget&) const = default;
};

}  // namespace orvandel
