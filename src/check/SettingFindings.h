#pragma once
// What the product's settings schema says about a value the import writes:
// whether the product reads a value of that name in that key, of the type
// the file stores, in the range it keeps; and about a section name that comes
// close to one of the product's.  Each finding comes without its place, which
// the walk knows.
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "settings/SettingCatalogue.h"

// The findings for one value as the store receives it; `decodedText` is its
// text as decoded, before it was read as its type.
std::vector<TFinding> SettingFindings(const TImportedValue& value, const std::string& decodedText);

// Whether the value is a setting that names a program, a command or
// command-line parameters the product runs.
bool RunsProgram(const TImportedValue& value);

// The names among `candidates` nearest to `name` in spelling (letter case
// ignored), when any is near enough to be a slip of the keyboard; at most
// three, in the candidates' order.
std::vector<std::string> NearestNames(const std::string& name,
                                      const std::vector<std::string>& candidates);

// A section element's finding for a decoded name that is no section of the
// product's, but near one: a warning with the suggestion; none otherwise.
std::vector<TFinding> SectionNameFindings(const std::string& decodedName);

// "did you mean "A" or "B"?", for a list of names; empty for none.
std::string DidYouMean(const std::vector<std::string>& names);
