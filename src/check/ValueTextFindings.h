#pragma once
// What a value's text says about itself: a path that only one user has, and
// an underscore that the format turns into a space where the text reads as
// a name that must keep it.
#include <optional>
#include <string>

#include "check/CheckReport.h"

// A note for an absolute path below one user's own folders (below
// C:\Users\NAME or C:\Documents and Settings\NAME), with the placeholder form that follows
// each user where one stands for the folder.
std::optional<TFinding> UserFolderPathFinding(const std::string& path);

// A warning for a text, as the file holds it before decoding, whose
// underscores read as spaces although it reads as a path, a file name, an
// address or an identifier; `decoded` is what the store receives.
std::optional<TFinding> UnderscoreFinding(const std::string& fileText, const std::string& decoded);
