#include "search/MatchesLiblary.h"

#include <string>

#include "platform/AnsiText.h"

namespace {

constexpr std::string_view Wildcards = "*?";

bool IsWildcard(char C) { return C == '*' || C == '?'; }

// One item against the (already lower-cased) name. Both are consumed from the
// front; all positions are bytes, so a run may be found at a trail byte.
bool MatchesItem(std::string_view Item, std::string_view Rest) {
    for (;;) {
        while (!Item.empty() && Item.front() == '?' && !Rest.empty()) {
            Item.remove_prefix(1);
            Rest.remove_prefix(1);
        }
        if (Item.empty()) return Rest.empty();
        // "?" stands for exactly one byte: once the name is used up it cannot fit.
        if (Item.front() == '?') return false;

        std::size_t wild = Item.find_first_of(Wildcards);
        if (wild == std::string_view::npos) return Item == Rest;
        if (wild > 0) {
            if (Rest.substr(0, wild) != Item.substr(0, wild)) return false;
            Item.remove_prefix(wild);
            Rest.remove_prefix(wild);
            continue;
        }

        // Item begins with "*". Wildcards right behind it are folded in: more
        // stars add nothing, each "?" takes one byte before the star does, so
        // "*?x" reads as "?*x" and "**" as "*".
        Item.remove_prefix(1);
        while (!Item.empty() && IsWildcard(Item.front())) {
            if (Item.front() == '?') {
                if (Rest.empty()) return false;
                Rest.remove_prefix(1);
            }
            Item.remove_prefix(1);
        }
        if (Item.empty()) return true;  // a final "*" takes whatever is left
        std::string_view run = Item.substr(0, Item.find_first_of(Wildcards));
        std::size_t at = Rest.find(run);
        if (at == std::string_view::npos) return false;
        Rest.remove_prefix(at);  // only this first occurrence is ever tried
    }
}

bool HasAsciiUpper(std::string_view S) {
    for (char c : S) {
        if (c >= 'A' && c <= 'Z') return true;
    }
    return false;
}

}  // namespace

bool MatchesMaskList(std::string_view Name, std::string_view Masks, bool LowerName) {
    // Lower-casing changes nothing without an A-Z byte; most names have none,
    // a mask list lowered once by the caller has none, and this runs for
    // every entry of a search.
    const bool lowerMasks = HasAsciiUpper(Masks);
    const std::string masks = lowerMasks ? AnsiLowerCase(Masks) : std::string();
    const bool lowerName = LowerName && HasAsciiUpper(Name);
    const std::string lowered = lowerName ? AnsiLowerCase(Name) : std::string();
    const std::string_view name = lowerName ? std::string_view(lowered) : Name;

    std::string_view list = lowerMasks ? std::string_view(masks) : Masks;
    while (!list.empty()) {
        std::size_t start = list.find_first_not_of(';');
        if (start == std::string_view::npos) break;
        list.remove_prefix(start);
        std::size_t end = list.find(';');
        std::string_view item = list.substr(0, end);
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
        if (MatchesItem(item, name)) return true;
    }
    return false;
}
