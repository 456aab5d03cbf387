// MatchesMaskList: does a file name fit a ";"-separated list of wildcard masks?
// "*" settles on the first place where the literal text after it occurs and
// never tries a later one, so results differ from the platform's own pattern
// matching on purpose ("*.*" needs a dot; "a.url.url" does not fit "*.url").
#pragma once
#include <string_view>

// Masks is lower-cased (code page 932 aware) before it is split; Name too when
// LowerName is true. Empty items are skipped; an empty list matches nothing.
bool MatchesMaskList(std::string_view Name, std::string_view Masks, bool LowerName);
