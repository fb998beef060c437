// A problem as the window tells it: a damaged data file's first error, a write that failed, a
// change that was refused. The checks and the writers say them in English, as velmora-cli
// prints them; in the Persian interface the window says them in Persian, with the file's own
// names, keys and values as they stand in the file.
#pragma once

#include <string>
#include <string_view>

#include "decisions/language.h"

namespace velmora {

// The problem in the language; in English as it was said. A problem no Persian sentence
// matches stays as it was.
std::u16string problemWords(std::string_view problem, Language language);

}  // namespace velmora
