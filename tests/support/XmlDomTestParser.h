#pragma once
// The XML parser of the build the tests run in: MSXML under Wine, libxml2 on
// the host.  The same cases hold for both.
#include "platform/XmlDom.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#else
#include "platform/libxml2/LibXmlDom.h"
#endif

namespace testsupport {

inline platform::IXmlParser& BuildXmlParser() {
#ifdef _WIN32
  return platform::win32::XmlParser();
#else
  return platform::libxml2::LibXmlParser();
#endif
}

}  // namespace testsupport
