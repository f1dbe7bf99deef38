#include "xmlimport/ImpExpRegXML.h"

// NOT IMPLEMENTED YET: the import issue writes the body.  Until then the
// program recognises the file and imports nothing.
bool ImportPrefsXML(const std::string& /*fileName*/) { return false; }
