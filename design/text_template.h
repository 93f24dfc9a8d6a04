// Texts composed from a template and values: the template ("%1 В при %2 А")
// is looked up in the user's language first, then its places are filled, so
// a translation may put the values in its own order.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "design/translatable.h"

namespace tavro::design {

// `pattern` with %1 … %9 replaced by the values in one pass: a value that
// itself holds "%2" stays as it is; a place without a value is left as written.
std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> values);

// The template in the language `lookup` gives, filled.
std::string Compose(const TextLookup& lookup, const char* context, std::string_view pattern,
                    std::initializer_list<std::string_view> values);

}  // namespace tavro::design
