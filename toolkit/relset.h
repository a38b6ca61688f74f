// Wrappers of the host's relation-set calls.
#pragma once

#include <ProRelSet.h>

#include <functional>
#include <string>
#include <vector>

namespace ardotk {

// Longest relation line the host's buffers hold, in narrow characters.
constexpr std::size_t kRelationLineMax = 259;

// ProSolidRelsetVisit of `model`, with the owner item of each set (ProRelsetToModelitem):
// the sets for which `take`(owner) is true, in the host's order. A failure of either
// call raises ardotk::Error(host code, ""); a visit that finds no set is no failure.
std::vector<ProRelset> RelsetVisit(ProMdl model,
                                   const std::function<bool(const ProModelitem&)>& take);

// The lines of the set (ProRelsetRelationsGet into a host array), narrowed, in order.
// Failures raise ardotk::Error(host code, "ardotk::RelationsGet"); the host array is
// released on every path.
std::vector<std::string> RelationsGet(ProRelset& set);

// Replaces the set's lines with `lines` (ProRelsetRelationsSet). A line longer than
// kRelationLineMax raises ardotk::Error(-6, "ardotk::RelationsSet") before anything is
// sent. A refused write raises ardotk::Error(0, "ardotk::RelationsSet"), or the code of
// the array's release when that failed too; a failed release alone raises its code.
void RelationsSet(ProRelset& set, const std::vector<std::string>& lines);

}  // namespace ardotk
